# The skin images: the same 54 file names in each skin folder.
set(VAZAVE_SKIN_IMAGES
    MainBorder.png
    MainBorderCaption.png
    ButtonMain.png
    QuickAccessBar.png
    StatusBar.png
    StatusBarExt.png
    SysBtnBack.png
    ToolBoxBack.png
    SysBtnClose.png
    SysBtnCloseSmall.png
    SysBtnMaximize.png
    SysBtnMaximizeSmall.png
    SysBtnMinimize.png
    SysBtnMinimizeSmall.png
    SysBtnRestore.png
    SysBtnRestoreSmall.png
    NormalButtonSmall.png
    MenuBarButton.png
    Categories.png
    CategoryTop.png
    CategoryBottom.png
    CategoryWrapperBack.png
    CategoryWrapperIcon.png
    MainPanelBack.png
    HMenuButtonCaption.png
    HMenuButtonMenu.png
    VMenuButtonCaption.png
    VMenuButtonMenu.png
    MainPanelBorder.png
    MainPanelSeparator.png
    MainPanelButton.png
    PaletteButtonTop.png
    PaletteButtonMiddle.png
    PaletteButtonBottom.png
    PaletteItemLarge.png
    PaletteItemSmall.png
    PopupBorder.png
    PopupResizeBarBack.png
    PopupResizeBarIconB.png
    PopupResizeBarIconBR.png
    PopupResizeBarIconTR.png
    CheckableMenuItemBack.png
    CheckableMenuItemCheck.png
    CheckableMenuItemRadio.png
    TabBarTabs.png
    SliderPlus.png
    SliderMinus.png
    SliderThumb.png
    BtnGroupFirst.png
    BtnGroupMidle.png
    BtnGroupLast.png
    ComboBox.png
    TooltipBack.png
    TerminateButton.png
)
set(VAZAVE_SKINS blue silver black)
set(VAZAVE_ICONS
    icons/DefaultAppIcon.png
    icons/Exit.ico
    icons/helpwindow/Back.ico
    icons/helpwindow/Forward.ico
    icons/helpwindow/Home.ico
    icons/helpwindow/Sync.ico)

# Writes the resource collection file. Images are stored as they are; the
# icon files are compressed with zlib.
function(vazave_write_qrc out)
    set(body "<RCC>\n  <qresource prefix=\"/oru/ribbon\">\n")
    foreach(skin IN LISTS VAZAVE_SKINS)
        foreach(image IN LISTS VAZAVE_SKIN_IMAGES)
            string(APPEND body "    <file compression-algorithm=\"none\" alias=\"${skin}/${image}\">${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${skin}/${image}</file>\n")
        endforeach()
    endforeach()
    foreach(icon IN LISTS VAZAVE_ICONS)
        if(icon MATCHES "\\.ico$")
            set(compression "compression-algorithm=\"zlib\" threshold=\"0\"")
        else()
            set(compression "compression-algorithm=\"none\"")
        endif()
        string(APPEND body "    <file ${compression} alias=\"${icon}\">${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${icon}</file>\n")
    endforeach()
    string(APPEND body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${out} CONTENT "${body}" @ONLY)
endfunction()
