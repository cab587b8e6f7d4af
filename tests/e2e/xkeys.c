/* Sends raw key events to the X server by keycode through XTest, so no modifier
 * presses of the sender's own come with them.
 * Usage: xkeys STEP...  with the steps
 *   d:KEYCODE  press    u:KEYCODE  release    t:KEYCODE  press and release
 *   s:MS       wait     repeat:on|off         the server's auto-repeat
 */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static void wait_ms(long ms)
{
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&pause, NULL);
}

static void send_key(Display* display, unsigned keycode, Bool press)
{
    XTestFakeKeyEvent(display, keycode, press, CurrentTime);
    XSync(display, False);
}

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xkeys: cannot open the display\n");
        return 1;
    }
    int event, error, major, minor;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        fprintf(stderr, "xkeys: the server has no XTest\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const char* step = argv[i];
        if (strcmp(step, "repeat:on") == 0 || strcmp(step, "repeat:off") == 0) {
            XKeyboardControl control;
            control.auto_repeat_mode = step[8] == 'n' ? AutoRepeatModeOn : AutoRepeatModeOff;
            XChangeKeyboardControl(display, KBAutoRepeatMode, &control);
            XSync(display, False);
        } else if (strlen(step) > 2 && step[1] == ':') {
            const long value = strtol(step + 2, NULL, 10);
            switch (step[0]) {
            case 'd': send_key(display, (unsigned)value, True); break;
            case 'u': send_key(display, (unsigned)value, False); break;
            case 't':
                send_key(display, (unsigned)value, True);
                wait_ms(30);
                send_key(display, (unsigned)value, False);
                break;
            case 's': wait_ms(value); break;
            default: fprintf(stderr, "xkeys: unknown step %s\n", step); return 2;
            }
        } else {
            fprintf(stderr, "xkeys: unknown step %s\n", step);
            return 2;
        }
    }
    XCloseDisplay(display);
    return 0;
}
