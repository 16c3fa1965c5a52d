"""Port helpers shared by the server launchers (127.0.0.1 only)."""

import argparse
import socket


def port_is_free(port):
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    try:
        s.bind(("127.0.0.1", port))
        return True
    except OSError:
        return False
    finally:
        s.close()


def parse_range(text):
    """argparse type for "A-B" port ranges."""
    try:
        low, high = (int(x) for x in text.split("-", 1))
    except ValueError:
        raise argparse.ArgumentTypeError("expected A-B, got %r" % text)
    if not (0 < low <= high < 65536):
        raise argparse.ArgumentTypeError("bad port range %r" % text)
    return low, high
