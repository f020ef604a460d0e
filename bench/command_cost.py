"""What one FTP command costs on a line: logs in anonymously at 127.0.0.1:PORT, sends
NOOP COUNT times, one after the other, and prints the median milliseconds from sending
one to its whole reply, which is the line's round trip plus the server's answer."""
import ftplib
import sys
import time


def main():
    port = int(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    ftp = ftplib.FTP()
    ftp.connect("127.0.0.1", port, timeout=30)
    ftp.login()
    costs = []
    for _ in range(count):
        start = time.monotonic()
        ftp.voidcmd("NOOP")
        costs.append(time.monotonic() - start)
    ftp.quit()
    costs.sort()
    print("%.2f" % (costs[len(costs) // 2] * 1000))


if __name__ == "__main__":
    main()
