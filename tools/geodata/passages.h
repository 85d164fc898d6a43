#pragma once
// The passage regions' stored tables from GSHHG shorelines.
namespace vel::geodata {

// passage REGION: prints the C++ table file of passage region 5 (Florida -
// Bahamas) or 6 (Maine - Nova Scotia).
int PassageCommand(int argc, char** argv);

}  // namespace vel::geodata
