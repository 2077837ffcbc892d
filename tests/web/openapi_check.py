"""Checks the OpenAPI description that `caelix serve` publishes against the server's real answers.

Every documented operation is called; each answer's status must be documented for it, its media
type too, and a JSON body must hold to the documented schema (JSON Schema 2020-12, Debian's
python3-jsonschema). Each documented query parameter is sent with its example (and the examples of
the parameters its x-needs lists) and must be taken;
a parameter the description does not list must be refused; a body the description refuses must be
refused by the server as well.

Usage: openapi_check.py CAELIX
"""
import json
import sys
import urllib.parse

import jsonschema

from serving import Serving

# Requests that reach every documented operation and every documented error.
REQUESTS = [
    ('GET', '/healthz', None),
    ('GET', '/api/v1/openapi.json', None),
    ('GET', '/api/v1/chart?date=2000-01-01&time=12:00&lon=14.417&lat=50.083&houses=P', None),
    ('GET', '/api/v1/chart?date=-44-03-15&time=09:30&houses=koch', None),
    ('GET', '/api/v1/chart?date=2006-02-29', None),
    ('GET', '/api/v1/chart?lat=91', None),
    ('POST', '/api/v1/chart', '{"date": "2000-01-01", "time": "12:00", "lon": 14.417, "lat": 50.083}'),
    ('POST', '/api/v1/chart', '{"houses": "C", "lat": -45}'),
    ('POST', '/api/v1/chart', '{"date": true}'),
    ('POST', '/api/v1/chart', '{"when": "2000-01-01"}'),
    ('POST', '/api/v1/chart', '[1, 2]'),
    ('POST', '/api/v1/chart', '{"date": "' + 'x' * 70000 + '"}'),
    ('GET', '/api/v1/chart.svg?date=2000-01-01&time=12:00&size=200', None),
    ('GET', '/api/v1/chart.svg?size=20', None),
    ('POST', '/api/v1/chart.svg', '{"date": "2000-01-01", "size": 300}'),
    ('POST', '/api/v1/chart.svg', '{"size": "big"}'),
    ('POST', '/api/v1/chart.svg', '{"date": "' + 'x' * 70000 + '"}'),
    ('GET', '/api/v1/chart.png?date=2000-01-01&time=12:00&size=120', None),
    ('GET', '/api/v1/chart.png?size=1', None),
    ('POST', '/api/v1/chart.png', '{"date": "2000-01-01", "size": 100}'),
    ('POST', '/api/v1/chart.png', '{"date": "' + 'x' * 70000 + '"}'),
    ('GET', '/api/v1/chart?date=1985-07-14&time=09:20&place=Madrid', None),
    ('GET', '/api/v1/chart?date=2021-10-31&time=02:30&tz=Europe/Berlin&resolve=earlier', None),
    ('GET', '/api/v1/chart?date=2021-10-31&time=02:30&tz=Europe/Berlin', None),
    ('GET', '/api/v1/chart?date=2021-10-31&time=02:30&tz=Europe/Berlin&resolve=soonest', None),
    ('GET', '/api/v1/chart?date=2000-01-01&time=12:00&place=Nowhereville', None),
    ('POST', '/api/v1/chart', '{"date": "1985-07-14", "time": "09:20", "place": "Paris, FR", "houses": "K"}'),
    ('POST', '/api/v1/chart.svg', '{"date": "1985-07-14", "time": "09:20", "tz": "+02:00", "lon": 2.35, "lat": 48.85}'),
    ('GET', '/api/v1/chart.png?date=1985-07-14&time=09:20&place=Madrid&size=100', None),
    ('GET', '/api/v1/places?q=Springfield%2C%20IL', None),
    ('GET', '/api/v1/places?q=Par&limit=3', None),
    ('GET', '/api/v1/places?q=Qxzqxzqx', None),
    ('GET', '/api/v1/places?q=', None),
    ('GET', '/api/v1/places?limit=5', None),
    ('GET', '/api/v1/places?q=Paris&limit=0', None),
    ('GET', '/api/v1/places?q=Paris&limit=ten', None),
]


class Check:
    def __init__(self, doc):
        self.doc = doc
        self.resolver = jsonschema.RefResolver.from_schema(doc)
        self.failures = []
        self.called = set()

    def fail(self, text):
        self.failures.append(text)
        print('FAIL', text)

    def valid(self, schema, value):
        validator = jsonschema.Draft202012Validator(schema, resolver=self.resolver)
        return [e.message for e in validator.iter_errors(value)]

    def deref(self, item):
        while '$ref' in item:
            item = self.resolver.resolve(item['$ref'])[1]
        return item

    def operation(self, method, path):
        item = self.doc['paths'].get(path)
        return item and item.get(method.lower())

    def answer(self, method, target, body, status, media, payload):
        path, _, query = target.partition('?')
        op = self.operation(method, path)
        where = f'{method} {target[:80]}'
        if op is None:
            self.fail(f'{where}: not documented')
            return
        self.called.add((method.lower(), path))
        names = {self.deref(p)['name'] for p in op.get('parameters', [])}
        for name, _ in urllib.parse.parse_qsl(query, keep_blank_values=True):
            if name not in names:
                self.fail(f'{where}: parameter {name} not documented')
        if body is not None and 'requestBody' in op and status != 413:
            schema = op['requestBody']['content']['application/json']['schema']
            if self.valid(schema, json.loads(body)) and status != 400:
                self.fail(f'{where}: a body the description refuses was answered {status}')
        response = op['responses'].get(str(status)) or op['responses'].get('default')
        if response is None:
            self.fail(f'{where}: status {status} not documented')
            return
        response = self.deref(response)
        content = response.get('content', {})
        media_type = (media or '').split(';')[0].strip()
        if media_type not in content:
            self.fail(f'{where}: {status} {media_type} not documented (documented: {list(content)})')
            return
        if media_type == 'application/json':
            errors = self.valid(content[media_type]['schema'], json.loads(payload))
            for e in errors[:5]:
                self.fail(f'{where}: {status} body: {e}')
        print(f'ok   {where} -> {status} {media_type}')


def main():
    caelix = sys.argv[1]
    with Serving(caelix) as server:
        status, doc = server.json('/api/v1/openapi.json')
        assert status == 200
        assert doc['openapi'].startswith('3.'), doc['openapi']
        check = Check(doc)
        for method, target, body in REQUESTS:
            status, media, payload = server.request(target, method=method, body=body)
            check.answer(method, target, body, status, media, payload)
        # Each documented query parameter is taken with its example (beside the examples of the
        # parameters it needs, x-needs); an undocumented one is not.
        for path, item in doc['paths'].items():
            params = [check.deref(p) for p in item.get('get', {}).get('parameters', [])]
            examples = {p['name']: p['example'] for p in params}
            for p in params:
                needed = {name: examples[name] for name in p.get('x-needs', [])}
                query = urllib.parse.urlencode({**needed, p['name']: p['example']})
                status, _, payload = server.request(f'{path}?{query}')
                if status != 200:
                    check.fail(f'GET {path}?{query}: the documented example answered {status}: {payload[:200]}')
            if params:
                required = {p['name']: p['example'] for p in params if p.get('required')}
                status, _, _ = server.request(f'{path}?{urllib.parse.urlencode({**required, "undocumented": 1})}')
                if status != 400:
                    check.fail(f'GET {path}?undocumented=1: answered {status}, not 400')
        for path, item in doc['paths'].items():
            for method in item:
                if (method, path) not in check.called:
                    check.fail(f'{method.upper()} {path}: documented but never called by this check')
    if check.failures:
        print(f'{len(check.failures)} failures')
        return 1
    print('the description matches every answer')
    return 0


if __name__ == '__main__':
    sys.exit(main())
