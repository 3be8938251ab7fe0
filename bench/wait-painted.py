#!/usr/bin/env python3
"""Waits until a process has a painted window: a top-level window whose
_NET_WM_PID is the process and whose middle row is more than half light
pixels (every channel above 200). A window that is mapped but not yet painted
shows the black root of an X server started with -br.
Usage: wait-painted.py PID TIMEOUT_SECONDS; prints the window's id and exits
with status 0 once it is painted, 1 when the time runs out.
With "-" for PID it first connects to the display and prints "ready", then
reads the process id from its input, and takes a window of that process or
of a child of it (a program started under /usr/bin/time): started before the
program, its own start-up (a good part of a second on a busy machine) is no
part of what is measured."""

import ctypes
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                           ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                           ctypes.POINTER(ctypes.c_uint)]
x11.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                   ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_void_p)]

ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


def painted(display, window):
    attributes = WindowAttributes()
    if not x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        return None
    width, height = attributes.width, attributes.height
    if width < 2 or height < 2:
        return False
    image = x11.XGetImage(display, window, 0, height // 2, width, 1, ALL_PLANES, ZPIXMAP)
    if not image:
        return False
    light = 0
    for x in range(0, width, 4):
        pixel = x11.XGetPixel(image, x, 0)
        if all(((pixel >> shift) & 0xFF) > 200 for shift in (0, 8, 16)):
            light += 1
    x11.XFree(image)
    return light * 2 > (width + 3) // 4


def owned(window_pid, pid):
    """Whether a window of process `window_pid` is one of process `pid`'s: its
    own, or, when `CHILDREN_TOO`, a child's."""
    if window_pid == pid:
        return True
    if not CHILDREN_TOO:
        return False
    try:
        with open(f"/proc/{window_pid}/stat", encoding="ascii", errors="replace") as stat:
            # The parent is the second field after the name in parentheses.
            return int(stat.read().rsplit(")", 1)[1].split()[1]) == pid
    except (OSError, ValueError, IndexError):
        return False


CHILDREN_TOO = False


def windows_of(display, pid_atom, pid):
    """The top-level windows (children of the root: there is no window
    manager) whose _NET_WM_PID is `pid`."""
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    if not x11.XQueryTree(display, x11.XDefaultRootWindow(display), ctypes.byref(root),
                          ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count)):
        return []
    found = []
    for i in range(count.value):
        window = children[i]
        kind, form = ctypes.c_ulong(), ctypes.c_int()
        items, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if x11.XGetWindowProperty(display, window, pid_atom, 0, 1, 0, 0, ctypes.byref(kind),
                                  ctypes.byref(form), ctypes.byref(items), ctypes.byref(after),
                                  ctypes.byref(data)) == 0 and data.value:
            if items.value == 1 and owned(ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0], pid):
                found.append(window)
            x11.XFree(data)
    if children:
        x11.XFree(children)
    return found


def main():
    global CHILDREN_TOO
    display = x11.XOpenDisplay(None)
    if not display:
        return 1
    x11.XSetErrorHandler(ERROR_HANDLER)
    pid_atom = x11.XInternAtom(display, b"_NET_WM_PID", 0)
    if sys.argv[1] == "-":
        print("ready", flush=True)
        pid = int(sys.stdin.readline())
        CHILDREN_TOO = True
    else:
        pid = int(sys.argv[1])
    deadline = time.monotonic() + float(sys.argv[2])
    while time.monotonic() < deadline:
        for window in windows_of(display, pid_atom, pid):
            if painted(display, window):
                print(window, flush=True)
                return 0
        time.sleep(0.005)
    return 1


sys.exit(main())
