#!/usr/bin/env python3
"""Start-up benchmark: from process start to the dialog window mapped on an
X server (Xvfb), for an empty script and for one that adds 300 controls in
rows and blocks. Prints the median of several runs of each.

    bench/host/startup.py build/host/vorna [runs]
"""
import ctypes
import os
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY = 1 << 19


def three_hundred_controls():
    lines = ['Dialog.Caption = "300 controls"']
    for row in range(10):
        lines.append("BeginBlock")
        for i in range(10):
            lines.append(f'AddLabel "L{row}_{i}", "label {i}", 60')
        lines.append("EndBlock")
        for i in range(10):
            lines.append(f'AddButton "B{row}_{i}", "b{i}", 40')
        for i in range(10):
            lines.append(f'AddText "T{row}_{i}", "", 40')
        lines.append("NewLine")
    return "\n".join(lines) + "\n"


def start_xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    # Read up to the newline: closing the pipe earlier would kill the server
    # with SIGPIPE on its second write.
    display = b""
    while not display.endswith(b"\n"):
        chunk = os.read(read, 64)
        if not chunk:
            break
        display += chunk
    os.close(read)
    display = display.decode().strip()
    return server, ":" + display


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def time_to_map(x11, display, vorna, script):
    root = x11.XDefaultRootWindow(display)
    x11.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY)
    x11.XSync(display, 1)
    start = time.perf_counter()
    app = subprocess.Popen([vorna, script], stderr=subprocess.DEVNULL)
    event = XEvent()
    try:
        while time.perf_counter() - start < 20:
            while x11.XPending(display):
                x11.XNextEvent(display, ctypes.byref(event))
                if event.type == MAP_NOTIFY:
                    return (time.perf_counter() - start) * 1000
            if app.poll() is not None:
                raise RuntimeError(f"vorna ended with status {app.returncode} before showing its window")
            time.sleep(0.0005)
        raise RuntimeError("the window was not shown")
    finally:
        app.kill()
        app.wait()


def main():
    vorna = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    server, name = start_xvfb()
    os.environ["DISPLAY"] = name
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XPending.argtypes = [ctypes.c_void_p]
    x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
    try:
        display = None
        for _ in range(100):  # the server may take a moment to accept clients
            display = x11.XOpenDisplay(name.encode())
            if display:
                break
            time.sleep(0.05)
        if not display:
            raise RuntimeError("cannot open display " + name)
        with tempfile.TemporaryDirectory() as work:
            empty = os.path.join(work, "empty.vbs")
            full = os.path.join(work, "controls.vbs")
            open(empty, "w").write('Dialog.Caption = "empty"\n')
            open(full, "w").write(three_hundred_controls())
            time_to_map(x11, display, vorna, empty)  # warm the file cache
            results = {}
            for label, script in (("empty script", empty), ("300 controls", full)):
                results[label] = statistics.median(time_to_map(x11, display, vorna, script) for _ in range(runs))
                print(f"{label}: {results[label]:.1f} ms to the window shown (median of {runs})")
            print(f"300 controls cost {results['300 controls'] - results['empty script']:.1f} ms more")
    finally:
        server.kill()


if __name__ == "__main__":
    main()
