#include "web/chart_server.h"

#include <httplib.h>

#include <limits>
#include <thread>

#include "chart/compute_chart.h"
#include "chart/precise_chart.h"
#include "cli/chart_command.h"
#include "cli/chart_json.h"
#include "cli/chart_svg.h"
#include "cli/places_json.h"
#include "places/atlas.h"
#include "places/clock_zone.h"
#include "platform/png_raster.h"
#include "web/assets.h"
#include "web/chart_request.h"
#include "web/json_replies.h"
#include "web/places_request.h"

namespace caelix {

namespace {

constexpr const char* kJsonType = "application/json; charset=utf-8";
constexpr const char* kSvgType = "image/svg+xml";

// The parameters of a request: the URL's query's, and for POST those of its JSON body after them.
// (httplib's own req.params would also hold a form-encoded body's fields.)
RequestResult<RequestParams> RequestParameters(const httplib::Request& req) {
  RequestResult<RequestParams> result;
  RequestParams params;
  const std::size_t question = req.target.find('?');
  if (question != std::string::npos) {
    httplib::Params query;
    httplib::detail::parse_query_text(req.target.substr(question + 1), query);
    for (const auto& [name, value] : query) params.push_back({name, value});
  }
  if (req.method == "POST") {
    auto body = ParamsFromJsonBody(req.body);
    if (!body.value) {
      result.error = std::move(body.error);
      return result;
    }
    for (RequestParam& p : *body.value) params.push_back(std::move(p));
  }
  result.value = std::move(params);
  return result;
}

// Sets the answer's body and type, taking the text without a copy (a chart's JSON is some 20 KB).
void SetBody(httplib::Response& res, std::string body, const char* type) {
  res.body = std::move(body);
  const auto [first, last] = res.headers.equal_range("Content-Type");
  res.headers.erase(first, last);
  res.set_header("Content-Type", type);
}

void ReplyParamError(httplib::Response& res, const ParamError& error) {
  res.status = 400;
  res.set_content(ParamErrorJson(error), kJsonType);
}

// The chart a request asks for and the options of its picture (its header naming the local time
// and the place, as the command line's does), or nothing after answering 400.
struct RequestedChart {
  Chart chart;
  WheelPictureOptions picture;
};
std::optional<RequestedChart> ChartOfRequest(const httplib::Request& req, httplib::Response& res, bool withSize,
                                             Engine engine, std::optional<ResolvedBirthData>* birth = nullptr) {
  const auto params = RequestParameters(req);
  if (!params.value) {
    ReplyParamError(res, params.error);
    return std::nullopt;
  }
  const auto request = ChartRequestFromParams(*params.value, withSize, engine);
  if (!request.value) {
    ReplyParamError(res, request.error);
    return std::nullopt;
  }
  std::optional<ResolvedBirthData> resolved;
  const auto input = ResolveChartRequest(*request.value, CurrentUtc(), &resolved);
  if (!input.value) {
    ReplyParamError(res, input.error);
    return std::nullopt;
  }
  std::string error;
  auto picture = ResolvePictureOptions(request.value->options, error);
  if (!picture) {
    ReplyParamError(res, ParamErrorFromCommandLine(error));
    return std::nullopt;
  }
  if (resolved) SetBirthDataHeader(*resolved, picture->modern);
  if (birth != nullptr) *birth = std::move(resolved);
  return RequestedChart{ComputeChartWith(request.value->engine, *input.value), *picture};
}

void ChartJsonHandler(const httplib::Request& req, httplib::Response& res, Engine engine) {
  std::optional<ResolvedBirthData> birth;
  const auto chart = ChartOfRequest(req, res, false, engine, &birth);
  if (!chart) return;
  SetBody(res, ChartToJson(chart->chart, true, std::nullopt, birth ? &*birth : nullptr), kJsonType);
}

void ChartSvgHandler(const httplib::Request& req, httplib::Response& res, Engine engine) {
  const auto chart = ChartOfRequest(req, res, true, engine);
  if (!chart) return;
  SetBody(res, WheelPictureSvg(chart->chart.input, chart->chart.slots, chart->picture), kSvgType);
}

void ChartPngHandler(const httplib::Request& req, httplib::Response& res, Engine engine) {
  const auto chart = ChartOfRequest(req, res, true, engine);
  if (!chart) return;
  std::string error;
  auto png = RenderSvgToPng(WheelPictureSvg(chart->chart.input, chart->chart.slots, chart->picture), error);
  if (!png) {
    res.status = 500;
    res.set_content(StatusJson(500, "the wheel could not be rendered: " + error), kJsonType);
    return;
  }
  SetBody(res, std::move(*png), "image/png");
}

// The atlas' candidates for a place name, as `caelix places QUERY --json` lists them; none is an
// empty array.
void PlacesHandler(const httplib::Request& req, httplib::Response& res) {
  const auto params = RequestParameters(req);
  if (!params.value) {
    ReplyParamError(res, params.error);
    return;
  }
  const auto request = PlacesRequestFromParams(*params.value);
  if (!request.value) {
    ReplyParamError(res, request.error);
    return;
  }
  const auto& [query, limit] = *request.value;
  SetBody(res, PlacesToJson(Atlas::Embedded().Find(query, static_cast<std::size_t>(limit))), kJsonType);
}

// The page and its files; "/" is the page itself.
void AssetHandler(const httplib::Request& req, httplib::Response& res) {
  const Asset* asset = FindAsset(req.path == "/" ? "/index.html" : req.path);
  if (asset == nullptr) {
    res.status = 404;
    res.set_content(StatusJson(404, "no such path: " + req.path), kJsonType);
    return;
  }
  res.set_content(asset->body.data(), asset->body.size(), std::string(asset->contentType).c_str());
}

// Answers a method the path does not take: 405 naming the ones it does, or 404 for an unknown path.
void WrongMethodHandler(const httplib::Request& req, httplib::Response& res) {
  const bool chartPath =
      req.path == "/api/v1/chart" || req.path == "/api/v1/chart.svg" || req.path == "/api/v1/chart.png";
  const bool known = chartPath || req.path == "/" || req.path == "/healthz" || req.path == "/api/v1/places" ||
                     FindAsset(req.path) != nullptr;
  if (!known) {
    res.status = 404;
    res.set_content(StatusJson(404, "no such path: " + req.path), kJsonType);
    return;
  }
  const std::string allowed = chartPath ? "GET, POST" : "GET";
  res.status = 405;
  res.set_header("Allow", allowed);
  res.set_content(StatusJson(405, req.method + " is not taken here; " + allowed + " is"), kJsonType);
}

// The text of an error httplib answers by itself (a bad request line, a body too large).
std::string StatusMessage(int status) {
  switch (status) {
    case 400:
      return "the request is not one HTTP understands";
    case 404:
      return "no such path";
    case 413:
      return "the body is larger than " + std::to_string(kMaxBodyBytes) + " bytes";
    case 414:
      return "the URL is too long";
    default:
      return "the request was refused";
  }
}

// Reads what the first request would otherwise wait for: the time-zone database (its list of
// zones, and the zones of the clock's readings) and the atlas.
void WarmUp() {
  ParseClockZone("Etc/UTC");
  Atlas::Embedded();
}

}  // namespace

ChartServer::ChartServer(unsigned threads, Engine engine) : server_(std::make_unique<httplib::Server>()) {
  WarmUp();
  httplib::Server& s = *server_;
  s.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  s.set_payload_max_length(kMaxBodyBytes);
  // Headers and body go out in separate writes: without this, Nagle's algorithm holds the body
  // until the client's delayed acknowledgement, some 40 ms.
  s.set_tcp_nodelay(true);
  // SO_REUSEADDR alone: httplib's default SO_REUSEPORT would let a second server share the port
  // with this one, each answering some of the requests. The socket is kept to widen its backlog.
  s.set_socket_options([this](socket_t sock) {
    int yes = 1;
    ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    listenSocket_ = sock;
  });
  // A busy connection stays open (closing it every n requests makes all of a client's connections
  // reconnect at once); an idle one holds its thread, and a stop waits for it, up to 2 s.
  s.set_keep_alive_max_count(std::numeric_limits<std::size_t>::max());
  s.set_keep_alive_timeout(2);
  s.set_default_headers({{"X-Content-Type-Options", "nosniff"},
                         {"Cache-Control", "no-store"},
                         {"Content-Security-Policy",
                          "default-src 'none'; script-src 'self'; connect-src 'self'; img-src 'self'; "
                          "style-src 'self' 'unsafe-inline'; form-action 'self'; base-uri 'none'"}});
  s.Get("/healthz", [](const httplib::Request&, httplib::Response& res) { res.set_content(HealthJson(), kJsonType); });
  const auto withEngine = [engine](void (*handler)(const httplib::Request&, httplib::Response&, Engine)) {
    return [engine, handler](const httplib::Request& req, httplib::Response& res) { handler(req, res, engine); };
  };
  s.Get("/api/v1/chart", withEngine(ChartJsonHandler));
  s.Post("/api/v1/chart", withEngine(ChartJsonHandler));
  s.Get(R"(/api/v1/chart\.svg)", withEngine(ChartSvgHandler));
  s.Post(R"(/api/v1/chart\.svg)", withEngine(ChartSvgHandler));
  s.Get(R"(/api/v1/chart\.png)", withEngine(ChartPngHandler));
  s.Post(R"(/api/v1/chart\.png)", withEngine(ChartPngHandler));
  s.Get("/api/v1/places", PlacesHandler);
  s.Get(".*", AssetHandler);
  s.Post(".*", WrongMethodHandler);
  s.Put(".*", WrongMethodHandler);
  s.Patch(".*", WrongMethodHandler);
  s.Delete(".*", WrongMethodHandler);
  s.Options(".*", WrongMethodHandler);
  // Errors answered without a handler get a JSON body too; those of the handlers have theirs.
  s.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
    res.set_content(StatusJson(res.status, StatusMessage(res.status)), kJsonType);
    return httplib::Server::HandlerResponse::Handled;
  }));
  s.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
    res.status = 500;
    res.set_content(StatusJson(500, "the chart could not be computed"), kJsonType);
  });
}

ChartServer::~ChartServer() = default;

std::optional<int> ChartServer::Bind(const std::string& host, int port) {
  int bound = port;
  if (port == 0) {
    bound = server_->bind_to_any_port(host);
    if (bound <= 0) return std::nullopt;
  } else if (!server_->bind_to_port(host, port)) {
    return std::nullopt;
  }
  // httplib listens with a backlog of 5: a burst of new connections overflows it, and a connection
  // dropped there waits for TCP's retransmission, 200 ms to seconds. Linux takes a second listen
  // on a listening socket as a new backlog.
  ::listen(listenSocket_, SOMAXCONN);
  return bound;
}

bool ChartServer::Run() {
  running_.store(true);
  if (stopRequested_.load()) {
    running_.store(false);
    return true;
  }
  const bool served = server_->listen_after_bind();
  running_.store(false);
  return served;
}

void ChartServer::Stop() {
  stopRequested_.store(true);
  // httplib forgets a stop that comes before it listens: when Run has begun, wait until it does.
  while (running_.load() && !server_->is_running()) std::this_thread::yield();
  server_->stop();
}

}  // namespace caelix
