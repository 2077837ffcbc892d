"""`caelix serve` on a free port of 127.0.0.1 for the Python tests, stopped with SIGTERM."""
import json
import signal
import subprocess
import urllib.error
import urllib.request


class Serving:
    """Starts `caelix serve --port 0` and reads the URL it prints."""

    def __init__(self, caelix, cwd=None):
        self.process = subprocess.Popen([caelix, 'serve', '--port', '0'], stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True, cwd=cwd)
        line = self.process.stdout.readline()
        if not line.startswith('caelix serve: http://'):
            self.process.kill()
            raise RuntimeError(f'caelix serve printed {line!r}')
        self.url = line.split()[2]

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.process.send_signal(signal.SIGTERM)
        try:
            status = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise RuntimeError('caelix serve did not stop on SIGTERM')
        if status != 0 and exc[0] is None:
            raise RuntimeError(f'caelix serve exited {status}')

    def request(self, path, method='GET', body=None, content_type='application/json'):
        """Returns (status, content type, body bytes) of one request."""
        data = body.encode() if isinstance(body, str) else body
        req = urllib.request.Request(self.url.rstrip('/') + path, data=data, method=method)
        if data is not None:
            req.add_header('Content-Type', content_type)
        try:
            with urllib.request.urlopen(req, timeout=10) as res:
                return res.status, res.headers.get('Content-Type'), res.read()
        except urllib.error.HTTPError as err:
            return err.code, err.headers.get('Content-Type'), err.read()

    def json(self, path, **kw):
        status, _, body = self.request(path, **kw)
        return status, json.loads(body)
