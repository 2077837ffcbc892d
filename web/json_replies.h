#pragma once
// The small JSON bodies of the web API besides the chart: errors and the health answer.
#include <string>
#include <string_view>

#include "web/chart_request.h"

namespace caelix {

// {"status": 400, "parameter": "date", "message": "..."}: a refused parameter.
std::string ParamErrorJson(const ParamError& error);

// {"status": status, "message": "..."}: any other error.
std::string StatusJson(int status, std::string_view message);

// {"status": "ok", "version": "..."}: the answer of /healthz.
std::string HealthJson();

}  // namespace caelix
