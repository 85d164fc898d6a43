#pragma once
// The true shoreline of an area as a generated land table.

namespace vel::geodata {

// shore AREA: writes the table to standard output.
int ShoreCommand(int argc, char** argv);

}  // namespace vel::geodata
