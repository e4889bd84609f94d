"""A small FTP server for the advertisement refresh tests.

Serves --home to the user "train" on 127.0.0.1, on a free port that it prints
as the first line of its output, until its input is closed or it is
terminated. Options make it misbehave the ways a real
server or network can: a wrong password, a download cut off or stalled after
some bytes, a slow download, a SIZE reply of its own choosing.
"""

import argparse
import logging
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class LimitedFile:
    """A file opened for download that ends early (cut) or stops sending
    (stall) after `limit` bytes."""

    def __init__(self, f, limit, stall):
        self._f = f
        self._left = limit
        self._stall = stall
        self.name = f.name
        self.closed = False

    def read(self, size=-1):
        if self._left <= 0:
            if self._stall:
                time.sleep(3600)
            return b""
        if size < 0 or size > self._left:
            size = self._left
        data = self._f.read(size)
        self._left -= len(data)
        return data

    def close(self):
        self.closed = True
        self._f.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--password", default="604lamp.org")
    parser.add_argument("--cut", type=int, help="end every download after this many bytes")
    parser.add_argument("--stall", type=int, help="stop sending after this many bytes")
    parser.add_argument("--rate", type=int, help="send downloads at this many bytes per second")
    parser.add_argument("--size-reply", help="answer SIZE with this line instead")
    args = parser.parse_args()
    logging.basicConfig(level=logging.WARNING)

    authorizer = DummyAuthorizer()
    authorizer.add_user("train", args.password, args.home, perm="elr")

    limit = args.cut if args.cut is not None else args.stall

    class LimitedFS(AbstractedFS):
        def open(self, filename, mode):
            f = super().open(filename, mode)
            if limit is None or "r" not in mode:
                return f
            return LimitedFile(f, limit, args.stall is not None)

    class Handler(FTPHandler):
        def ftp_SIZE(self, path):
            if args.size_reply is not None:
                self.respond(args.size_reply)
            else:
                super().ftp_SIZE(path)

    Handler.authorizer = authorizer
    Handler.abstracted_fs = LimitedFS
    Handler.banner = "kestrelway test server"
    Handler.auth_failed_timeout = 0
    if args.rate:
        class Throttled(ThrottledDTPHandler):
            write_limit = args.rate
        Handler.dtp_handler = Throttled

    # The test holds our input open while it needs us; end when it closes.
    def watch_input():
        sys.stdin.buffer.read()
        os._exit(0)
    threading.Thread(target=watch_input, daemon=True).start()

    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        sys.exit(0)
