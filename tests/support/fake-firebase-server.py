#!/usr/bin/env python3
"""A stand-in Firebase project on 127.0.0.1 for looking at the account popover.

Not part of Orvane: it speaks just enough of the account and database REST
interfaces for the popover's states. Known account: sam@example.com with the
password "correct horse"; the password "wait" keeps the sign-in pending.

    fake-firebase-server.py PORT
"""
import json
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

ACCOUNT = "sam@example.com"
PASSWORD = "correct-horse"


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body, extra=None):
        data = json.dumps(body).encode()
        self.send_response(status)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.send_header("ETag", "etag-1")
        for key, value in (extra or {}).items():
            self.send_header(key, value)
        self.end_headers()
        self.wfile.write(data)

    def do_POST(self):
        length = int(self.headers.get("Content-Length", 0))
        raw = self.rfile.read(length)
        try:
            body = json.loads(raw or b"{}")
        except ValueError:
            body = {}
        path = self.path.split("?")[0]
        if path.endswith("accounts:createAuthUri"):
            known = body.get("identifier") == ACCOUNT
            return self.answer(200, {"registered": known, "signinMethods": ["password"] if known else []})
        if path.endswith("accounts:signInWithPassword"):
            if body.get("password") == "wait":
                time.sleep(600)
            if body.get("email") == ACCOUNT and body.get("password") == PASSWORD:
                return self.answer(200, {"localId": "sam1", "email": ACCOUNT, "idToken": "id-token",
                                         "refreshToken": "refresh-token", "expiresIn": "3600"})
            return self.answer(400, {"error": {"code": 400, "message": "INVALID_LOGIN_CREDENTIALS"}})
        if path.endswith("accounts:sendOobCode"):
            return self.answer(400, {"error": {"code": 400, "message": "EMAIL_NOT_FOUND"}})
        if path.endswith("/token"):
            return self.answer(200, {"id_token": "id-token", "refresh_token": "refresh-token", "expires_in": "3600"})
        self.answer(404, {"error": {"message": "NOT_FOUND"}})

    def do_GET(self):
        if "text/event-stream" in self.headers.get("Accept", ""):
            self.send_response(200)
            self.send_header("Content-Type", "text/event-stream")
            self.end_headers()
            self.wfile.write(b'event: put\ndata: {"path":"/","data":null}\n\n')
            self.wfile.flush()
            try:
                while True:
                    time.sleep(20)
                    self.wfile.write(b"event: keep-alive\ndata: null\n\n")
                    self.wfile.flush()
            except OSError:
                return
        self.answer(200, None)

    def do_PUT(self):
        length = int(self.headers.get("Content-Length", 0))
        self.answer(200, json.loads(self.rfile.read(length) or b"null"))

    def do_DELETE(self):
        self.answer(200, None)


if __name__ == "__main__":
    ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
