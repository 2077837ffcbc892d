-- wrk script of the soak: good chart requests among bad ones of every kind, in a fixed cycle.
-- Each response's status is checked against the one its request must get; a mismatch is counted
-- and printed at the end (wrk's own "Non-2xx" count includes the 400s asked for). Responses are
-- matched to requests by order, so run it with one connection per wrk thread (-t N -c N).
local requests = {
  {"GET", "/api/v1/chart?date=2000-01-01&time=12:00&lon=14.417&lat=50.083&houses=P", nil, 200},
  {"GET", "/api/v1/chart?lat=91", nil, 400},
  {"POST", "/api/v1/chart", '{"date": "1985-07-14", "time": "09:20", "lon": -3.7038, "lat": 40.4168}', 200},
  {"POST", "/api/v1/chart", '{"date": ', 400},
  {"GET", "/api/v1/chart.svg?date=1999-08-11&time=11:03&size=300", nil, 200},
  {"GET", "/api/v1/chart?date=2006-02-29", nil, 400},
  {"GET", "/no/such/path", nil, 404},
  {"POST", "/api/v1/chart", '{"houses": true}', 400},
  {"GET", "/api/v1/chart?frobnicate=1", nil, 400},
  {"DELETE", "/api/v1/chart", nil, 405},
  {"GET", "/api/v1/chart?time=24:00", nil, 400},
  {"GET", "/healthz", nil, 200},
  {"GET", "/api/v1/chart?lon=%ff%00", nil, 400},
  {"POST", "/api/v1/chart.svg", '{"size": 5}', 400},
  {"GET", "/api/v1/places?q=Madri&limit=8", nil, 200},
  {"GET", "/api/v1/places?q=&limit=8", nil, 400},
  {"GET", "/api/v1/chart?date=1985-07-14&time=09:20&place=Madrid", nil, 200},
  {"GET", "/api/v1/places?q=Paris&limit=0", nil, 400},
  {"POST", "/api/v1/chart", '{"date": "2021-10-31", "time": "02:30", "tz": "Europe/Berlin"}', 400},
  {"GET", "/api/v1/chart?date=2021-10-31&time=02:30&tz=Europe/Berlin&resolve=later", nil, 200},
  {"GET", "/api/v1/chart?date=2000-01-01&time=12:00&place=Qxzqxzqx", nil, 400},
  {"GET", "/api/v1/chart?date=2000-01-01&time=12:00&tz=Mars/Olympus&resolve=soonest", nil, 400},
}

local counter = 0
local threads = {}

function setup(thread)
  thread:set("id", #threads)
  table.insert(threads, thread)
end

function init(args)
  mismatches = 0
  sent = {}
  headers = {["Content-Type"] = "application/json"}
end

function request()
  counter = counter + 1
  local r = requests[(counter + id) % #requests + 1]
  table.insert(sent, r[4])
  return wrk.format(r[1], r[2], headers, r[3])
end

-- With one connection per thread the request answered is the last one made: wrk also calls
-- request() once before the run, to check the script, and that one is never sent.
function response(status, headers, body)
  local want = sent[#sent]
  sent = {}
  if status ~= want then
    mismatches = mismatches + 1
  end
end

function done(summary, latency, requests)
  local total = 0
  for _, thread in ipairs(threads) do
    total = total + thread:get("mismatches")
  end
  io.write(string.format("mismatched statuses: %d\n", total))
end
