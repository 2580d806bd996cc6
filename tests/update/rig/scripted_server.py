#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 that replays scripted replies.

Usage: scripted_server.py SCENARIO.json LOG.jsonl

It binds a free port, prints "PORT <n>" on its first line of output and
serves until killed.  Every request is appended to the log as one JSON line
(request line, method, target, path, version, headers with lower-case names).
It also serves as a forward proxy: an absolute target ("GET http://h/p")
matches the route of its path.

The scenario maps paths to replies:
  {"routes": {"/V/Versao.asp": {"body": "43"}, ...}, "default": {"status": 404}}
A reply may hold:
  status, reason        status line (200 when absent)
  headers               extra headers {name: value}
  body                  text sent as Latin-1 bytes
  body_size             a body of that many bytes (a repeating pattern)
  content_length        the Content-Length to announce (default: the body's)
  close_after           send only that many body bytes, then close
  stall_before_headers  seconds to wait before answering anything
  stall_after           send that many body bytes, then wait stall_seconds
  stall_seconds         (default 60)
  redirect              answer 302 with this Location
  no_content_length     send no Content-Length: the body ends when the
                        connection closes
  endless               a body without Content-Length that never ends (the
                        pattern, until the client goes away)
"""

import json
import socketserver
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit

SCENARIO = {}
LOG_PATH = None
LOG_LOCK = threading.Lock()


def pattern(n):
    unit = bytes(range(32, 127))
    return (unit * (n // len(unit) + 1))[:n]


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, fmt, *args):
        pass

    def _record(self):
        target = self.path
        path = urlsplit(target).path if target.startswith("http://") or target.startswith("https://") else target
        entry = {
            "line": self.requestline,
            "method": self.command,
            "target": target,
            "path": path.split("?")[0],
            "version": self.request_version,
            "headers": {k.lower(): v for k, v in self.headers.items()},
        }
        with LOG_LOCK, open(LOG_PATH, "a", encoding="utf-8") as log:
            log.write(json.dumps(entry) + "\n")
        return entry

    def _reply(self):
        entry = self._record()
        routes = SCENARIO.get("routes", {})
        reply = routes.get(entry["path"], SCENARIO.get("default", {"status": 404, "body": "not found"}))
        if reply.get("stall_before_headers"):
            time.sleep(reply["stall_before_headers"])
        if "redirect" in reply:
            self.send_response(302)
            self.send_header("Location", reply["redirect"])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if "body_size" in reply:
            body = pattern(int(reply["body_size"]))
        else:
            body = reply.get("body", "").encode("latin-1")
        status = int(reply.get("status", 200))
        self.send_response(status, reply.get("reason"))
        for name, value in reply.get("headers", {}).items():
            self.send_header(name, value)
        if not reply.get("no_content_length") and not reply.get("endless"):
            self.send_header("Content-Length", str(reply.get("content_length", len(body))))
        self.send_header("Connection", "close")
        self.end_headers()
        if self.command == "HEAD":
            return
        if reply.get("endless"):
            chunk = pattern(65536)
            try:
                while True:
                    self.wfile.write(chunk)
            except OSError:
                pass
            return
        if "close_after" in reply:
            self.wfile.write(body[: int(reply["close_after"])])
            self.wfile.flush()
            self.close_connection = True
            return
        if "stall_after" in reply:
            self.wfile.write(body[: int(reply["stall_after"])])
            self.wfile.flush()
            time.sleep(reply.get("stall_seconds", 60))
            return
        self.wfile.write(body)

    do_GET = _reply
    do_POST = _reply
    do_HEAD = _reply


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    global SCENARIO, LOG_PATH
    with open(sys.argv[1], encoding="utf-8") as f:
        SCENARIO = json.load(f)
    LOG_PATH = sys.argv[2]
    open(LOG_PATH, "w").close()
    server = Server(("127.0.0.1", 0), Handler)
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
