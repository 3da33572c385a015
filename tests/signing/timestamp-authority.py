"""An RFC 3161 time-stamp authority on loopback for the signing tests: `openssl ts -reply` behind
an HTTP handler. Prints its URL, then answers time-stamp queries until it is ended or its time
runs out. Usage: timestamp-authority.py OPENSSL-TS-CONFIG SECONDS [ANSWERS]; after ANSWERS
replies (no limit by default) it refuses every query, as an authority that went away would. Each
request is logged on the standard error, with the status of its reply."""
import http.server
import subprocess
import sys
import tempfile
import threading

config, seconds = sys.argv[1], float(sys.argv[2])
answers_left = int(sys.argv[3]) if len(sys.argv) > 3 else None


class TimeStampHandler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        global answers_left
        query = self.rfile.read(int(self.headers["Content-Length"]))
        if answers_left == 0:
            self.send_error(503, "no more time stamps")
            return
        if answers_left is not None:
            answers_left -= 1
        with tempfile.NamedTemporaryFile() as query_file:
            query_file.write(query)
            query_file.flush()
            reply = subprocess.run(
                ["openssl", "ts", "-reply", "-config", config, "-queryfile", query_file.name],
                capture_output=True, check=True).stdout
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)


server = http.server.HTTPServer(("127.0.0.1", 0), TimeStampHandler)
print(f"http://127.0.0.1:{server.server_port}/", flush=True)
threading.Timer(seconds, server.shutdown).start()
server.serve_forever()
