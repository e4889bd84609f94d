"""A small FTP server for the advertisement refresh tests.

Serves --home to the user "train" on 127.0.0.1, on a free port that it prints
as the first line of its output, until it is killed. Options make it misbehave
the ways a real server or network can.
"""

import argparse
import io
import logging
import socket
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--password", default="604lamp.org")
    parser.add_argument("--cut", type=int, help="end every download after this many bytes")
    parser.add_argument("--stall", type=int, help="stop sending after this many bytes")
    parser.add_argument("--rate", type=int, help="send downloads at this many bytes per second")
    parser.add_argument("--size-reply", help="answer SIZE with this line instead")
    parser.add_argument("--silent", action="store_true", help="accept connections and never say a word")
    args = parser.parse_args()
    logging.basicConfig(level=logging.WARNING)

    if args.silent:
        listener = socket.create_server(("127.0.0.1", 0))
        print(listener.getsockname()[1], flush=True)
        time.sleep(3600)
        return

    limit = args.cut if args.cut is not None else args.stall

    class Limited(io.BytesIO):
        """The first `limit` bytes of a download; then its end, or silence."""

        def read(self, size=-1):
            data = super().read(size)
            if not data and args.stall is not None:
                time.sleep(3600)
            return data

    class LimitedFS(AbstractedFS):
        def open(self, filename, mode):
            f = super().open(filename, mode)
            if limit is None:
                return f
            with f:
                limited = Limited(f.read(limit))
            limited.name = f.name
            return limited

    class Handler(FTPHandler):
        abstracted_fs = LimitedFS
        authorizer = DummyAuthorizer()
        banner = "kestrelway test server"
        auth_failed_timeout = 0

        def ftp_SIZE(self, path):
            if args.size_reply is None:
                super().ftp_SIZE(path)
            else:
                self.respond(args.size_reply)

    Handler.authorizer.add_user("train", args.password, args.home, perm="elr")
    if args.rate:
        Handler.dtp_handler = type("Throttled", (ThrottledDTPHandler,), {"write_limit": args.rate})
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
