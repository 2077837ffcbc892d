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

ChartInput PragueInput() {
  ChartInput in;
  in.day = 28;
  in.month = 2;
  in.year = 2006;
  in.hour = 17;
  in.minute = 42.5;
  in.longitude = 14.417;
  in.latitude = 50.083;
  in.houseIndex = 0;
  return in;
}

ChartResult PragueChart() {
  struct Row {
    BodyId id;
    double longitude, longitudeNext;
  } const rows[] = {
      {BodyId::Sun, 339.9941, 340.9983},
      {BodyId::Moon, 350.1807, 5.2420},
      {BodyId::Mercury, 356.5688, 356.8256},
      {BodyId::Venus, 296.4950, 297.2251},
      {BodyId::Mars, 65.4840, 66.0056},
      {BodyId::Jupiter, 228.8364, 228.8474},
      {BodyId::Saturn, 125.4993, 125.4402},
      {BodyId::Uranus, 340.6777, 340.7350},
      {BodyId::Neptune, 318.1245, 318.1602},
      {BodyId::Pluto, 266.5279, 266.5432},
      {BodyId::MeanNode, 5.8858, 5.8328},
      {BodyId::Ascendant, 171.7066, 0},
      {BodyId::Midheaven, 79.3746, 0},
      {BodyId::Vertex, 340.5103, 0},
      {BodyId::PartOfFortune, 181.8932, 0},
      {BodyId::Midpoint, 345.0874, 0},
      {BodyId::Cusp2, 194.9146, 0},
      {BodyId::Cusp3, 224.1791, 0},
      {BodyId::Cusp11, 115.5869, 0},
      {BodyId::Cusp12, 146.5916, 0},
      {BodyId::PartOfDaimon, 161.5200, 0},
      {BodyId::Lilith, 154.1411, 154.2522},
      {BodyId::LilithTrue, 155.0083, 152.8992},
      {BodyId::Selena, 199.1046, 199.2454},
      {BodyId::Waldemath, 319.3953, 322.2053},
      {BodyId::Chiron, 306.6980, 306.7711},
      {BodyId::Eros, 340.9282, 341.5603},
      {BodyId::Eris, 20.2258, 20.2343},
      {BodyId::Sedna, 48.6875, 48.6930},
      {BodyId::Orcus, 146.7270, 146.7079},
      {BodyId::Quaoar, 256.3451, 256.3513},
      {BodyId::Varuna, 105.1264, 105.1161},
      {BodyId::Ixion, 252.2598, 252.2641},
  };
  ChartResult r;
  for (const Row& row : rows) {
    r[row.id].longitude = row.longitude;
    r[row.id].longitudeNext = row.longitudeNext;
  }
  return r;
}

TEST(WholeChartPages, Positions) {
  ExpectPageLines({"28.2.2006 17GMT:42.50,",
                   "50.08\u00B0 14.42\u00B0:",
                   "",
                   "So\t09Pi60\t  1.00",   // 59.6 minutes round to 60 without carrying into the degrees
                   "Mo\t20Pi11\t  15.04",  // across 0 degrees: 15 degrees forward, not 345 back
                   "Me\t26Pi34\t  0.15",
                   "Ve\t26Cp30\t  0.44",
                   "Ma\t05Ge29\t  0.31",
                   "Ju\t18Sc50\t  0.01",
                   "Sa\t05Le30\tR 0.04",
                   "Ur\t10Pi41\t  0.03",
                   "Ne\t18Aq07\t  0.02",
                   "Pl\t26Sg32\t  0.01",
                   "Nn\t05Ar53\tR 0.03",
                   "As\t21Vi42",
                   "Mc\t19Ge22",
                   "Vx\t10Pi31",
                   "Pf\t01Li54",
                   "Mp\t15Pi05",
                   "Placidus",
                   "D02\t14Li55",
                   "D03\t14Sc11",
                   "D11\t25Cn35",
                   "D12\t26Le35",
                   "--",
                   "Lilith\t04Vi08\t  0.07",
                   "Lilith true\t05Vi00\tR 2.07",
                   "Selena\t19Li06\t  0.08",
                   "Waldemath\t19Aq24\t  2.49",
                   "Chiron\t06Aq42\t  0.04",
                   "Eros\t10Pi56\t  0.38",
                   "Eris\t20Ar14\t  0.01",
                   "Sedna\t18Ta41\t  0.00",
                   "Orcus\t26Le44\tR 0.01",
                   "Quaoar\t16Sg21\t  0.00",
                   "Varuna\t15Cn08\tR 0.01",
                   "Ixion\t12Sg16\t  0.00"},
                  BuildPositionsText(PragueInput(), PragueChart()));
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

TEST(WholeChartPages, Aspects) {
  ExpectPageLines({"Aspects:",
                   "",
                   "So:\t45Ve 90Ma 144Sa ",
                   "\t0Ur 72Pl ",
                   "Mo:\t0Me 120Ju 135Sa ",
                   "\t0Ur 32Ne ",
                   "Me:\t0Mo 60Ve 120Ju ",  // 127.7 is within the trine's orb before the 128 entry
                   "\t128Sa 90Pl 0Nn ",
                   "Ve:\t45So 60Me 128Ma ",
                   "\t180Sa 45Ur 30Pl ",
                   "\t72Nn ",
                   "Ma:\t90So 128Ve 60Sa ",
                   "\t90Ur 108Ne 60Nn ",
                   "Ju:\t120Mo 120Me 102Sa ",
                   "\t90Ne ",
                   "Sa:\t144So 135Mo 128Me ",
                   "\t180Ve 60Ma 102Ju ",
                   "\t144Ur 144Pl 120Nn ",
                   "Ur:\t0So 0Mo 45Ve ",
                   "\t90Ma 144Sa 72Pl ",
                   "Ne:\t32Mo 108Ma 90Ju ",
                   "\t51Pl ",
                   "Pl:\t72So 90Me 30Ve ",
                   "\t144Sa 72Ur 51Ne ",
                   "Nn:\t0Me 72Ve 60Ma ",
                   "\t120Sa ",
                   "As:\t180Mo 180Me 120Ve ",
                   "\t60Ju 45Sa 144Ne ",
                   "\t90Pl ",
                   "Mc:\t90Mo 144Ve 150Ju ",
                   "\t45Sa 120Ne 180Pl ",
                   "\t72Nn ",
                   "Vx:\t0So 0Mo 45Ve ",
                   "\t90Ma 144Sa 0Ur ",
                   "\t72Pl ",
                   "Pf:\t180Me 120Ve 120Ma ",
                   "\t45Ju 60Sa 135Ne ",
                   "\t90Pl 180Nn ",
                   "Mp:\t0So 0Mo 80Ma ",
                   "\t120Ju 0Ur "},
                  BuildAspectsText(PragueChart()));
}

}  // namespace
}  // namespace caelix
