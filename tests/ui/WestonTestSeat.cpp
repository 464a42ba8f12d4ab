// A Weston module that gives the compositor a seat with a keyboard and a pointer, as every
// desktop session has. Weston's headless backend has none, and without one no window is ever
// activated, keys never reach a window, and Qt's text input dereferences the missing seat.
// The tests still synthesise their events inside the program, as they do on Xvfb.
extern "C" {
#include <libweston/libweston.h>

// Exported by libweston 10 but declared only in its internal backend header.
void weston_seat_init(weston_seat* seat, weston_compositor* compositor, const char* name);
void weston_seat_init_pointer(weston_seat* seat);
int weston_seat_init_keyboard(weston_seat* seat, xkb_keymap* keymap);
}

namespace {

weston_seat seat;

}  // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor* compositor, int* /*argc*/,
                                         char* /*argv*/[]) {
    weston_seat_init(&seat, compositor, "default");
    weston_seat_init_pointer(&seat);
    return weston_seat_init_keyboard(&seat, nullptr);
}
