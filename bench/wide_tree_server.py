"""pyftpdlib serving a generated tree that exists nowhere on disk: "/tree" holds FILES
small files and FOLDERS folders, and so does every folder below it down to DEPTH
levels. Lets bench/wide_tree walk millions of entries without making them.

Usage: wide_tree_server.py --port-file FILE [--files 2000] [--folders 10] [--depth 4]
"""
import argparse
import io
import os
import stat
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

CONTENT = b"generated file of the wide tree\n"
MTIME = time.time() - 86400


class GeneratedFile(io.BytesIO):
    """A file's bytes with the name pyftpdlib logs when a transfer is cut off."""

    def __init__(self, name):
        super().__init__(CONTENT)
        self.name = name


def generated_fs(files, folders, depth):
    file_names = ["f%04d.dat" % i for i in range(files)]
    folder_names = ["d%d" % i for i in range(folders)]
    folder_set = set(folder_names)
    file_set = set(file_names)

    def kind(path):
        """'dir', 'file' or None for a path of the generated tree."""
        parts = [p for p in path.split("/") if p]
        if not parts:
            return "dir"
        if parts[0] != "tree":
            return None
        below = parts[1:]
        for i, part in enumerate(below):
            last = i == len(below) - 1
            if part in folder_set and i < depth:
                continue
            if last and part in file_set:
                return "file"
            return None
        return "dir"

    def stat_of(path):
        k = kind(path)
        if k is None:
            raise OSError(2, "No such file or directory", path)
        mode = (stat.S_IFDIR | 0o755) if k == "dir" else (stat.S_IFREG | 0o644)
        size = 0 if k == "dir" else len(CONTENT)
        return os.stat_result((mode, hash(path) & 0xFFFFFFF, 1, 1, os.getuid(), os.getgid(),
                               size, MTIME, MTIME, MTIME))

    class GeneratedFS(AbstractedFS):
        def ftp2fs(self, ftppath):
            return self.ftpnorm(ftppath)

        def fs2ftp(self, fspath):
            return fspath

        def validpath(self, path):
            return True

        def realpath(self, path):
            return path

        def chdir(self, path):
            if kind(path) != "dir":
                raise OSError(2, "No such directory", path)
            self.cwd = path

        def listdir(self, path):
            if kind(path) != "dir":
                raise OSError(2, "No such directory", path)
            parts = [p for p in path.split("/") if p]
            if not parts:
                return ["tree"]
            level = len(parts) - 1
            return file_names + (folder_names if level < depth else [])

        listdirinfo = listdir

        def open(self, filename, mode):
            if "r" not in mode or kind(filename) != "file":
                raise OSError(13, "Read only", filename)
            return GeneratedFile(filename)

        def stat(self, path):
            return stat_of(path)

        lstat = stat

        def isfile(self, path):
            return kind(path) == "file"

        def isdir(self, path):
            return kind(path) == "dir"

        def islink(self, path):
            return False

        def lexists(self, path):
            return kind(path) is not None

        def getsize(self, path):
            return stat_of(path).st_size

        def getmtime(self, path):
            return MTIME

    return GeneratedFS


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--files", type=int, default=2000)
    parser.add_argument("--folders", type=int, default=10)
    parser.add_argument("--depth", type=int, default=4)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous("/", perm="elr")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = generated_fs(args.files, args.folders, args.depth)
    handler.use_sendfile = False
    handler.passive_ports = None
    server = FTPServer(("127.0.0.1", 0), handler)
    server.max_cons = 0
    server.max_cons_per_ip = 0
    with open(args.port_file + ".tmp", "w") as f:
        f.write(str(server.address[1]))
    os.rename(args.port_file + ".tmp", args.port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
