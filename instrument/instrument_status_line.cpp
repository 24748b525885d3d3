#include "instrument/instrument_status_line.h"

#include "core/language_table.h"
#include "core/number_text.h"

namespace corvana {

std::string instrumentStatusLine(bool connected, bool simulated, std::string_view model,
                                 std::string_view portPath) {
  if (!connected) return LookupText(Text::NoInstrument);
  // The simulator's terminal path changes every run and tells the user nothing.
  if (simulated) return LookupText(Text::SimulatedInstrument);
  return fillPlaceholders(LookupText(Text::InstrumentConnectedOn),
                          {std::string(model), std::string(portPath)});
}

}  // namespace corvana
