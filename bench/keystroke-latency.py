#!/usr/bin/env python3
"""Latency of typing, seen from outside the program: the time from an X key
event (XTest) until the typed character is on screen, for a window that has
the focus and its caret at the end of a line.

Two "x" find the rows of the window that a keystroke changes; they stay,
so that the text is a changed one throughout, as while a user types. Then
KEYSTROKES keystrokes follow, "x" and BackSpace in turn; for each, the rows
are read before the key goes out, and after every drawing on the window
(XDamage) until they differ. Each keystroke follows the last one's picture
within half a second, so that the caret never blinks between them: only the
keystroke changes the rows.

Usage: keystroke-latency.py WINDOW KEYSTROKES [TIMEOUT_SECONDS [GAP_MS]]
GAP_MS is the longest wait between a picture and the next keystroke (150 ms;
the shortest is a third of it): a program slowed down for counting needs a
shorter one, so that work it does only when typing pauses is left out.
Prints one latency in milliseconds a line; exits with status 1 when a
keystroke is not seen within the time allowed."""

import ctypes
import random
import select
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
xdamage = ctypes.cdll.LoadLibrary("libXdamage.so.1")

x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xdamage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                          ctypes.POINTER(ctypes.c_int)]
xdamage.XDamageCreate.restype = ctypes.c_ulong
xdamage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


# A window that changes its size while it is read gives an error, not an
# image; the reading is tried again.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF
DAMAGE_REPORT_RAW_RECTANGLES = 0
EVENT = ctypes.c_byte * 192


def rows(display, window, top, height, width):
    """The bytes of the window's rows top .. top+height-1."""
    pointer = x11.XGetImage(display, window, 0, top, width, height, ALL_PLANES, ZPIXMAP)
    if not pointer:
        return None
    image = ctypes.cast(pointer, ctypes.POINTER(XImage)).contents
    data = ctypes.string_at(image.data, image.bytes_per_line * image.height)
    # XDestroyImage is a macro; the image's data and the record go separately.
    x11.XFree(image.data)
    x11.XFree(pointer)
    return data


def key(display, name):
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(name.encode()))
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)


def drain(display):
    event = EVENT()
    while x11.XPending(display):
        x11.XNextEvent(display, event)


def wait_for_change(display, window, top, height, width, before, deadline, damage):
    """Waits until the rows differ from `before`; the time they were seen to, or None."""
    fd = x11.XConnectionNumber(display)
    event = EVENT()
    while True:
        if damage:
            if not x11.XPending(display):
                left = deadline - time.monotonic()
                if left <= 0:
                    return None
                select.select([fd], [], [], min(left, 0.05))
            while x11.XPending(display):
                x11.XNextEvent(display, event)
        elif time.monotonic() > deadline:
            return None
        now = rows(display, window, top, height, width)
        seen = time.perf_counter()
        if now is not None and now != before:
            return seen
        if not damage:
            time.sleep(0.0005)


def changed_rows(before, after, bytes_per_row):
    """The first run of rows that differ, top to bottom: the typed line's,
    not the status bar's further down."""
    changed = [r for r in range(len(before) // bytes_per_row)
               if before[r * bytes_per_row:(r + 1) * bytes_per_row]
               != after[r * bytes_per_row:(r + 1) * bytes_per_row]]
    if not changed:
        return None
    last = changed[0]
    while last + 1 in changed:
        last += 1
    return changed[0], last


def main():
    window = int(sys.argv[1], 0)
    keystrokes = int(sys.argv[2])
    timeout = float(sys.argv[3]) if len(sys.argv) > 3 else 5.0
    gap = float(sys.argv[4]) / 1000 if len(sys.argv) > 4 else 0.15
    display = x11.XOpenDisplay(None)
    if not display:
        print("keystroke-latency.py: no display", file=sys.stderr)
        return 1
    x11.XSetErrorHandler(ERROR_HANDLER)

    event_base, error_base = ctypes.c_int(), ctypes.c_int()
    damage = xdamage.XDamageQueryExtension(display, ctypes.byref(event_base), ctypes.byref(error_base))
    if damage:
        xdamage.XDamageCreate(display, window, DAMAGE_REPORT_RAW_RECTANGLES)
    x11.XSync(display, 0)

    # The rows a keystroke changes, found by the first one.
    attributes = WindowAttributes()
    whole = None
    for _ in range(50):
        x11.XGetWindowAttributes(display, window, ctypes.byref(attributes))
        width, height = attributes.width, attributes.height
        whole = rows(display, window, 0, height, width)
        if whole:
            break
        time.sleep(0.1)
    # The first keystroke changes more than its line (a program may mark the
    # text as changed somewhere else); the second finds the line's rows. Each
    # waits only as long as its picture takes: a longer pause would let the
    # program do the work it keeps for pauses in the typing.
    for calibration in range(2):
        drain(display)
        key(display, "x")
        wait_for_change(display, window, 0, height, width, whole, time.monotonic() + timeout, damage)
        time.sleep(gap / 3)
        if calibration == 0:
            whole = rows(display, window, 0, height, width)
    after = rows(display, window, 0, height, width)
    found = changed_rows(whole, after, len(whole) // height) if whole and after else None
    if not found:
        print("keystroke-latency.py: the keystroke changed nothing on screen", file=sys.stderr)
        return 1
    top, bottom = found
    band = bottom - top + 1

    for stroke in range(keystrokes):
        drain(display)
        before = rows(display, window, top, band, width)
        start = time.perf_counter()
        key(display, "x" if stroke % 2 == 0 else "BackSpace")
        seen = wait_for_change(display, window, top, band, width, before,
                               time.monotonic() + timeout, damage)
        if seen is None:
            print("keystroke-latency.py: keystroke %d not seen on screen" % stroke, file=sys.stderr)
            return 1
        print("%.3f" % ((seen - start) * 1000), flush=True)
        # Well within the caret's half second of steady light, not in step
        # with anything the program does on a timer.
        time.sleep(random.uniform(gap / 3, gap))
    return 0


sys.exit(main())
