// Preloaded into a program run under callgrind, ends it at a chosen moment of
// its start-up, so that the instruction count covers the work up to there and
// nothing after it. REEFWISE_STOP_AT says when: "map", as the first window is
// mapped, or "frame", as the first painted frame is copied onto a window.
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

extern "C" {
struct xcb_connection_t;
struct xcb_void_cookie_t
{
    unsigned int sequence;
};
int xcb_flush(xcb_connection_t *connection);
}

namespace {

bool stopsAt(const char *moment)
{
    const char *chosen = std::getenv("REEFWISE_STOP_AT");
    return chosen && std::strcmp(chosen, moment) == 0;
}

// Qt's platform plugin, opened with dlopen, brings libxcb-shm and libxcb-image
// in with it, out of the reach of RTLD_NEXT; those are asked by name.
template <class Function> Function next(const char *name, const char *library = nullptr)
{
    void *symbol = dlsym(RTLD_NEXT, name);
    if (!symbol && library) {
        if (void *loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD))
            symbol = dlsym(loaded, name);
    }
    return reinterpret_cast<Function>(symbol);
}

// The request must reach the server, so that the moment is the one a person sees.
[[noreturn]] void stop(xcb_connection_t *connection)
{
    xcb_flush(connection);
    _exit(0);
}

} // namespace

extern "C" {

xcb_void_cookie_t xcb_map_window(xcb_connection_t *connection, unsigned int window)
{
    using Map = xcb_void_cookie_t (*)(xcb_connection_t *, unsigned int);
    static const Map map = next<Map>("xcb_map_window");
    const xcb_void_cookie_t cookie = map(connection, window);
    if (stopsAt("map"))
        stop(connection);
    return cookie;
}

// The painted frame reaches the window through one of these three, depending
// on whether the X server shares memory with the program.
xcb_void_cookie_t xcb_copy_area(xcb_connection_t *connection, unsigned int source,
                                unsigned int target, unsigned int gc, short sourceX, short sourceY,
                                short targetX, short targetY, unsigned short width,
                                unsigned short height)
{
    using Copy = xcb_void_cookie_t (*)(xcb_connection_t *, unsigned int, unsigned int, unsigned int,
                                       short, short, short, short, unsigned short, unsigned short);
    static const Copy copy = next<Copy>("xcb_copy_area");
    const xcb_void_cookie_t cookie =
        copy(connection, source, target, gc, sourceX, sourceY, targetX, targetY, width, height);
    if (stopsAt("frame"))
        stop(connection);
    return cookie;
}

xcb_void_cookie_t
xcb_shm_put_image(xcb_connection_t *connection, unsigned int drawable, unsigned int gc,
                  unsigned short totalWidth, unsigned short totalHeight, unsigned short sourceX,
                  unsigned short sourceY, unsigned short sourceWidth, unsigned short sourceHeight,
                  short targetX, short targetY, unsigned char depth, unsigned char format,
                  unsigned char sendEvent, unsigned int segment, unsigned int offset)
{
    using Put = xcb_void_cookie_t (*)(
        xcb_connection_t *, unsigned int, unsigned int, unsigned short, unsigned short,
        unsigned short, unsigned short, unsigned short, unsigned short, short, short, unsigned char,
        unsigned char, unsigned char, unsigned int, unsigned int);
    static const Put put = next<Put>("xcb_shm_put_image", "libxcb-shm.so.0");
    const xcb_void_cookie_t cookie =
        put(connection, drawable, gc, totalWidth, totalHeight, sourceX, sourceY, sourceWidth,
            sourceHeight, targetX, targetY, depth, format, sendEvent, segment, offset);
    if (stopsAt("frame"))
        stop(connection);
    return cookie;
}

xcb_void_cookie_t xcb_image_put(xcb_connection_t *connection, unsigned int drawable,
                                unsigned int gc, void *image, short x, short y,
                                unsigned char leftPad)
{
    using Put = xcb_void_cookie_t (*)(xcb_connection_t *, unsigned int, unsigned int, void *, short,
                                      short, unsigned char);
    static const Put put = next<Put>("xcb_image_put", "libxcb-image.so.0");
    const xcb_void_cookie_t cookie = put(connection, drawable, gc, image, x, y, leftPad);
    if (stopsAt("frame"))
        stop(connection);
    return cookie;
}

} // extern "C"
