// The four pages of one whole chart: 28 February 2006, 17:42.5 UT, 50.083 N 14.417 E, Placidus.
// The slot values are the chart's positions rounded to 0.0001 degree, so that every line's
// formatting is checked whatever the theories give to the last digit.
#include <gtest/gtest.h>

#include "support/page_lines.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {
namespace {

using testing::ExpectPageLines;
using testing::PageLines;

struct Row {
  BodyId id;
  double longitude, longitudeNext;
  const char* line;  // on the positions page; empty: not listed
};

// The Sun's 59.6 minutes round to 60 without carrying into the degrees; the Moon's motion runs
// across 0 degrees (15 forward, not 345 back).
constexpr Row kRows[] = {
    {BodyId::Sun, 339.9941, 340.9983, "So\t09Pi60\t  1.00"},
    {BodyId::Moon, 350.1807, 5.2420, "Mo\t20Pi11\t  15.04"},
    {BodyId::Mercury, 356.5688, 356.8256, "Me\t26Pi34\t  0.15"},
    {BodyId::Venus, 296.4950, 297.2251, "Ve\t26Cp30\t  0.44"},
    {BodyId::Mars, 65.4840, 66.0056, "Ma\t05Ge29\t  0.31"},
    {BodyId::Jupiter, 228.8364, 228.8474, "Ju\t18Sc50\t  0.01"},
    {BodyId::Saturn, 125.4993, 125.4402, "Sa\t05Le30\tR 0.04"},
    {BodyId::Uranus, 340.6777, 340.7350, "Ur\t10Pi41\t  0.03"},
    {BodyId::Neptune, 318.1245, 318.1602, "Ne\t18Aq07\t  0.02"},
    {BodyId::Pluto, 266.5279, 266.5432, "Pl\t26Sg32\t  0.01"},
    {BodyId::MeanNode, 5.8858, 5.8328, "Nn\t05Ar53\tR 0.03"},
    {BodyId::Ascendant, 171.7066, 0, "As\t21Vi42"},
    {BodyId::Midheaven, 79.3746, 0, "Mc\t19Ge22"},
    {BodyId::Vertex, 340.5103, 0, "Vx\t10Pi31"},
    {BodyId::PartOfFortune, 181.8932, 0, "Pf\t01Li54"},
    {BodyId::Midpoint, 345.0874, 0, "Mp\t15Pi05"},
    {BodyId::Cusp2, 194.9146, 0, "Placidus\r\nD02\t14Li55"},
    {BodyId::Cusp3, 224.1791, 0, "D03\t14Sc11"},
    {BodyId::Cusp11, 115.5869, 0, "D11\t25Cn35"},
    {BodyId::Cusp12, 146.5916, 0, "D12\t26Le35"},
    {BodyId::PartOfDaimon, 161.5200, 0, ""},
    {BodyId::Lilith, 154.1411, 154.2522, "--\r\nLilith\t04Vi08\t  0.07"},
    {BodyId::LilithTrue, 155.0083, 152.8992, "Lilith true\t05Vi00\tR 2.07"},
    {BodyId::Selena, 199.1046, 199.2454, "Selena\t19Li06\t  0.08"},
    {BodyId::Waldemath, 319.3953, 322.2053, "Waldemath\t19Aq24\t  2.49"},
    {BodyId::Chiron, 306.6980, 306.7711, "Chiron\t06Aq42\t  0.04"},
    {BodyId::Eros, 340.9282, 341.5603, "Eros\t10Pi56\t  0.38"},
    {BodyId::Eris, 20.2258, 20.2343, "Eris\t20Ar14\t  0.01"},
    {BodyId::Sedna, 48.6875, 48.6930, "Sedna\t18Ta41\t  0.00"},
    {BodyId::Orcus, 146.7270, 146.7079, "Orcus\t26Le44\tR 0.01"},
    {BodyId::Quaoar, 256.3451, 256.3513, "Quaoar\t16Sg21\t  0.00"},
    {BodyId::Varuna, 105.1264, 105.1161, "Varuna\t15Cn08\tR 0.01"},
    {BodyId::Ixion, 252.2598, 252.2641, "Ixion\t12Sg16\t  0.00"},
};

ChartResult PragueChart() {
  ChartResult r;
  for (const Row& row : kRows) r[row.id] = BodySlot{row.longitude, 0.0, row.longitudeNext, 0.0};
  return r;
}

TEST(WholeChartPages, Positions) {
  const ChartInput in{28, 2, 2006, 17, 42.5, 14.417, 50.083, 0};  // Placidus
  std::string want = "28.2.2006 17GMT:42.50,\r\n50.08\u00B0 14.42\u00B0:\r\n\r\n";
  for (const Row& row : kRows) {
    if (*row.line != '\0') want.append(row.line).append("\r\n");
  }
  ExpectPageLines(PageLines(want), BuildPositionsText(in, PragueChart()));
}

TEST(WholeChartPages, ElementsAndQuadruplicity) {
  const ChartResult chart = PragueChart();
  ExpectPageLines(
      {"Element:", "", "Fire:\t2  Sa Pl ", "Earth:\t1  Ve ", "Air:\t2  Ma Ne ", "Water:\t5  So Mo Me Ju Ur "},
      BuildElementsText(chart));
  // Mercury at 356.6 stands in the seventh house, which runs from 351.7 across 0 to 14.9.
  ExpectPageLines(
      {"Quadruplicity:", "", "Cardinal:\t2  Me Pl ", "Fixed:\t3  Ve Sa Ne ", "Mutable:\t5  So Mo Ma Ju Ur "},
      BuildQuadruplicityText(chart));
}

// Mercury-Jupiter at 127.7 is within the trine's orb, which comes before the 128 entry.
TEST(WholeChartPages, Aspects) {
  const std::string want =
      "Aspects:\r\n\r\n"
      "So:\t45Ve 90Ma 144Sa \r\n\t0Ur 72Pl \r\n"
      "Mo:\t0Me 120Ju 135Sa \r\n\t0Ur 32Ne \r\n"
      "Me:\t0Mo 60Ve 120Ju \r\n\t128Sa 90Pl 0Nn \r\n"
      "Ve:\t45So 60Me 128Ma \r\n\t180Sa 45Ur 30Pl \r\n\t72Nn \r\n"
      "Ma:\t90So 128Ve 60Sa \r\n\t90Ur 108Ne 60Nn \r\n"
      "Ju:\t120Mo 120Me 102Sa \r\n\t90Ne \r\n"
      "Sa:\t144So 135Mo 128Me \r\n\t180Ve 60Ma 102Ju \r\n\t144Ur 144Pl 120Nn \r\n"
      "Ur:\t0So 0Mo 45Ve \r\n\t90Ma 144Sa 72Pl \r\n"
      "Ne:\t32Mo 108Ma 90Ju \r\n\t51Pl \r\n"
      "Pl:\t72So 90Me 30Ve \r\n\t144Sa 72Ur 51Ne \r\n"
      "Nn:\t0Me 72Ve 60Ma \r\n\t120Sa \r\n"
      "As:\t180Mo 180Me 120Ve \r\n\t60Ju 45Sa 144Ne \r\n\t90Pl \r\n"
      "Mc:\t90Mo 144Ve 150Ju \r\n\t45Sa 120Ne 180Pl \r\n\t72Nn \r\n"
      "Vx:\t0So 0Mo 45Ve \r\n\t90Ma 144Sa 0Ur \r\n\t72Pl \r\n"
      "Pf:\t180Me 120Ve 120Ma \r\n\t45Ju 60Sa 135Ne \r\n\t90Pl 180Nn \r\n"
      "Mp:\t0So 0Mo 80Ma \r\n\t120Ju 0Ur \r\n";
  ExpectPageLines(PageLines(want), BuildAspectsText(PragueChart()));
}

}  // namespace
}  // namespace caelix
