#pragma once

// Counts the process's round trips to the X server. Included by exactly one
// source file of an executable linked with ENABLE_EXPORTS: it defines
// libxcb's functions that wait for a reply, so the dynamic linker hands Qt's
// xcb plugin these, which count and pass the call on to libxcb.

#include <xcb/xcb.h>

#include <dlfcn.h>

namespace oru::test {

/// Round trips so far; reset it before what is measured.
inline int roundTrips = 0;

template <typename F> F nextFunction(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace oru::test

extern "C" {

void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int request, xcb_generic_error_t** e)
{
    static const auto next =
        oru::test::nextFunction<decltype(&xcb_wait_for_reply)>("xcb_wait_for_reply");
    ++oru::test::roundTrips;
    return next(c, request, e);
}

void* xcb_wait_for_reply64(xcb_connection_t* c, uint64_t request, xcb_generic_error_t** e)
{
    static const auto next =
        oru::test::nextFunction<decltype(&xcb_wait_for_reply64)>("xcb_wait_for_reply64");
    ++oru::test::roundTrips;
    return next(c, request, e);
}

xcb_generic_error_t* xcb_request_check(xcb_connection_t* c, xcb_void_cookie_t cookie)
{
    static const auto next =
        oru::test::nextFunction<decltype(&xcb_request_check)>("xcb_request_check");
    ++oru::test::roundTrips;
    return next(c, cookie);
}

} // extern "C"
