#pragma once
// The entry of the reference build of the chart computation (see reference_chart.h). Plain types
// only: the reference build's own types live in another namespace.

// Fills slots (34 slots of longitude, declination, longitudeNext, declinationNext) with the
// chart of the reference build for the given date, UT time, place and house code, as
// ComputeChart takes them.
void ReferenceEngineChart(double day, double hour, double minute, double month, double year, double longitude,
                          double latitude, char houseCode, double (&slots)[34][4]);
