#!/usr/bin/env python3
"""An RFC 3161 time-stamping service on the loopback address, for tests:
    scripts/timestamp-authority.py FOLDER
FOLDER holds tsa.key and tsa.pem, the service's key and certificate (with
the critical extended key usage timeStamping), and ca.pem, the certificate
that issued it. The service answers each POSTed request with
`openssl ts -reply`, as application/timestamp-reply, writes its URL into
FOLDER/url once it listens, and serves until it is ended."""

import subprocess
import sys
from http.server import BaseHTTPRequestHandler, HTTPServer
from pathlib import Path

folder = Path(sys.argv[1]).resolve()
config = folder / "tsa.cnf"
config.write_text(f"""[tsa]
default_tsa = service
[service]
serial = {folder}/serial
signer_cert = {folder}/tsa.pem
signer_key = {folder}/tsa.key
certs = {folder}/ca.pem
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
""", encoding="utf-8")
(folder / "serial").write_text("01\n", encoding="utf-8")


class Service(BaseHTTPRequestHandler):
    def do_POST(self):  # noqa: N802 (the name http.server calls)
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", str(config), "-queryfile", "/dev/stdin",
                                "-out", "/dev/stdout"], input=query, capture_output=True)
        if reply.returncode != 0 or not reply.stdout:
            self.send_error(400, reply.stderr.decode(errors="replace").strip()[:200])
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply.stdout)))
        self.end_headers()
        self.wfile.write(reply.stdout)

    def log_message(self, format, *args):  # noqa: A002 (http.server's name)
        pass


server = HTTPServer(("127.0.0.1", 0), Service)
(folder / "url.part").write_text(f"http://127.0.0.1:{server.server_port}/\n", encoding="utf-8")
(folder / "url.part").rename(folder / "url")
server.serve_forever()
