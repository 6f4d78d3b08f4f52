"""Times windows being mapped on an X display, through Xlib's MapNotify events
on the root window, so no polling blurs the figures."""
import argparse
import ctypes
import os
import statistics
import subprocess
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]


class Watcher:
    def __init__(self):
        self.dpy = x11.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit("cannot open the X display")
        x11.XSelectInput(self.dpy, x11.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        x11.XFlush(self.dpy)
        self.event = (ctypes.c_long * 24)()

    def drain(self):
        while x11.XPending(self.dpy):
            x11.XNextEvent(self.dpy, self.event)

    def wait_maps(self, count, timeout):
        """Returns the times at which the next `count` windows were mapped."""
        import select
        fd = x11.XConnectionNumber(self.dpy)
        times = []
        deadline = time.monotonic() + timeout
        while len(times) < count and time.monotonic() < deadline:
            if not x11.XPending(self.dpy):
                select.select([fd], [], [], 0.01)
                continue
            x11.XNextEvent(self.dpy, self.event)
            if ctypes.cast(self.event, ctypes.POINTER(ctypes.c_int))[0] == MAP_NOTIFY:
                times.append(time.monotonic())
        return times


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
    times = watcher.wait_maps(maps_wanted, timeout=10)
    if len(times) < maps_wanted:
        proc.kill()
        raise SystemExit(f"{program}: saw {len(times)} of {maps_wanted} windows mapped")
    time.sleep(0.5)  # let the last window settle before reading memory
    memory = rss_mb(proc.pid)
    proc.terminate()
    proc.wait()
    return (times[0] - start) * 1000, memory


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("program")
    parser.add_argument("bare")
    args = parser.parse_args()
    watcher = Watcher()
    prog, bare = [], []
    for _ in range(args.runs):
        # Interleaved, so both see the same machine load.
        bare.append(measure(watcher, args.bare, 1))
        prog.append(measure(watcher, args.program, 2))  # splash, then converter window
    splash = statistics.median(t for t, _ in prog)
    bare_map = statistics.median(t for t, _ in bare)
    print(f"runs:                               {args.runs}")
    print(f"splash box mapped (median):         {splash:7.1f} ms")
    print(f"bare Qt window mapped (median):     {bare_map:7.1f} ms")
    print(f"ratio splash / bare:                {splash / bare_map:7.2f}   (target <= 1.25)")
    print(f"resident memory, converter window:  {statistics.median(m for _, m in prog):7.1f} MB"
          "   (target < 40)")
    print(f"resident memory, bare Qt window:    {statistics.median(m for _, m in bare):7.1f} MB")


if __name__ == "__main__":
    main()
