"""Times start-up as a person sees it: from exec to the first frame on an X
display that shows words (black or navy type on the window's light face), through
the DAMAGE extension's reports of drawing, so no polling blurs the figures.
A window mapped empty and filled in later counts only once it is filled."""
import argparse
import ctypes
import os
import select
import statistics
import subprocess
import time

CREATE_NOTIFY = 16
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
DAMAGE_REPORT_RAW_RECTANGLES = 0
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF
# A window shows words once this many of its pixels are dark.
WORD_PIXELS = 40

x11 = ctypes.CDLL("libX11.so.6")
damage = ctypes.CDLL("libXdamage.so.1")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XDestroyImage = None  # a macro; the image's own destroy function is called instead
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
damage.XDamageCreate.restype = ctypes.c_ulong
damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]

# A window that goes before it is looked at is no error of the benchmark's.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


DARK = bytes(1 if b < 0x60 else 0 for b in range(256))


def dark_pixels(dpy, window):
    """The window's pixels of ink: darker than 0x60 in red and green (black
    or navy type on a light face)."""
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    if not x11.XGetGeometry(dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(w),
                            ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth)):
        return 0
    pointer = x11.XGetImage(dpy, window, 0, 0, w.value, h.value, ALL_PLANES, Z_PIXMAP)
    if not pointer:
        return 0
    image = XImage.from_address(pointer)
    if image.bits_per_pixel != 32:
        x11.XFree(image.data)
        x11.XFree(pointer)
        return 0
    data = ctypes.string_at(image.data, image.bytes_per_line * image.height)
    x11.XFree(image.data)
    x11.XFree(pointer)
    green, red = (int.from_bytes(data[i::4].translate(DARK), "little") for i in (1, 2))
    return bin(green & red).count("1")


class Watcher:
    def __init__(self):
        self.dpy = x11.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit("cannot open the X display")
        x11.XSetErrorHandler(ERROR_HANDLER)
        base, error = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(self.dpy, ctypes.byref(base), ctypes.byref(error)):
            raise SystemExit("the X server has no DAMAGE extension")
        self.damage_notify = base.value
        x11.XSelectInput(self.dpy, x11.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        x11.XFlush(self.dpy)
        self.event = (ctypes.c_long * 24)()

    def drain(self):
        x11.XSync(self.dpy, 0)
        while x11.XPending(self.dpy):
            x11.XNextEvent(self.dpy, self.event)

    def kind(self):
        return ctypes.cast(self.event, ctypes.POINTER(ctypes.c_int))[0]

    def watch(self, maps_wanted, timeout):
        """The time of the first frame showing words, and of the last of
        `maps_wanted` windows mapped."""
        fd = x11.XConnectionNumber(self.dpy)
        words, maps, mapped = None, 0, None
        deadline = time.monotonic() + timeout
        while (words is None or maps < maps_wanted) and time.monotonic() < deadline:
            if not x11.XPending(self.dpy):
                select.select([fd], [], [], 0.01)
                continue
            x11.XNextEvent(self.dpy, self.event)
            now = time.monotonic()
            kind = self.kind()
            if kind == CREATE_NOTIFY:
                # Every top-level window, from before it maps: none of its drawing is missed.
                damage.XDamageCreate(self.dpy, self.event[5], DAMAGE_REPORT_RAW_RECTANGLES)
                x11.XFlush(self.dpy)
            elif kind == MAP_NOTIFY:
                maps += 1
                mapped = now
            elif kind == self.damage_notify and words is None:
                window = self.event[4]  # XDamageNotifyEvent's drawable
                if dark_pixels(self.dpy, window) >= WORD_PIXELS:
                    words = now
        return words, mapped


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def measure(watcher, program, maps_wanted):
    watcher.drain()
    start = time.monotonic()
    proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    words, mapped = watcher.watch(maps_wanted, timeout=10)
    if words is None or mapped is None:
        proc.kill()
        raise SystemExit(f"{program}: no words on the screen, or fewer than {maps_wanted} windows mapped")
    time.sleep(0.5)  # let the last window settle before reading memory
    memory = rss_mb(proc.pid)
    proc.terminate()
    proc.wait()
    return (words - start) * 1000, memory


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("program")
    parser.add_argument("bare")
    args = parser.parse_args()
    watcher = Watcher()
    prog, bare = [], []
    for _ in range(args.runs):
        # Alternating, so both see the same machine load.
        bare.append(measure(watcher, args.bare, 1))
        prog.append(measure(watcher, args.program, 2))  # splash, then converter window
    words = statistics.median(t for t, _ in prog)
    bare_words = statistics.median(t for t, _ in bare)
    print(f"runs, alternating:                      {args.runs}")
    print(f"splash box's words painted (median):    {words:7.1f} ms")
    print(f"bare window's words painted (median):   {bare_words:7.1f} ms   (a label and a button)")
    print(f"ratio:                                  {words / bare_words:7.2f}   (target <= 1.25)")
    print(f"resident memory, converter window:      {statistics.median(m for _, m in prog):7.1f} MB"
          "   (target < 40)")
    print(f"resident memory, bare window:           {statistics.median(m for _, m in bare):7.1f} MB")


if __name__ == "__main__":
    main()
