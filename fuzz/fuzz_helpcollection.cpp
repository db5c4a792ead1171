// libFuzzer harness: a help window over an arbitrary help collection file,
// opening its home page and a keyword, as a host would on a damaged or
// hostile .qhc file.
#include <oruRibbonApplication.h>
#include <oruRibbonHelpWindow.h>

#include <QFile>
#include <QHelpEngine>
#include <QTemporaryDir>

#include <cstdint>

namespace {

class FuzzApp : public oru::RibbonApplication
{
public:
    using RibbonApplication::RibbonApplication;
    bool initInstance() override { return true; }
};

QTemporaryDir* folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new FuzzApp(qtArgc, qtArgv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("input.qhc"));
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    {
        oru::RibbonHelpWindow window(path);
        window.showHelp(window.homeUrl());
        window.showHelp(QStringLiteral("saving"));
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return 0;
}
