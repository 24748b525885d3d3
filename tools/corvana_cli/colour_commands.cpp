#include "tools/corvana_cli/colour_commands.h"

#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "colour/measurement_record.h"
#include "colour/tristimulus.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/cli_output.h"

namespace corvana::cli {

namespace {

struct Options {
  std::optional<Illuminant> illuminant;
  std::optional<Observer> observer;
  std::optional<ColorSpace> space;
  std::optional<ColorFormula> formula;
  bool lab = false;
  ParametricFactors k;
  MetamericConditions metameric;
};

struct OptionError {
  std::string message;
};

std::optional<Observer> observerFromDegrees(std::string_view text) {
  if (text == "2") return Observer2;
  if (text == "10") return Observer10;
  return std::nullopt;
}

// Parses the options a command accepts; returns an error text or nothing.
std::optional<OptionError> parseOptions(std::span<const std::string_view> args,
                                        std::string_view accepted, Options& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view opt = args[i];
    const bool known =
        opt.starts_with("--") && accepted.find(std::string(opt) + " ") != std::string_view::npos;
    if (!known) return OptionError{"unknown option '" + std::string(opt) + "'"};
    if (opt == "--lab") {
      o.lab = true;
      continue;
    }
    if (i + 1 >= args.size()) return OptionError{"option '" + std::string(opt) + "' needs a value"};
    const std::string_view value = args[++i];
    const auto bad = [&] {
      return OptionError{"bad value '" + std::string(value) + "' for " + std::string(opt)};
    };
    if (opt == "--illuminant") {
      if (!(o.illuminant = illuminantFromText(value))) return bad();
    } else if (opt == "--observer") {
      if (!(o.observer = observerFromDegrees(value))) return bad();
    } else if (opt == "--space") {
      const auto code = parseInt(value);
      if (!code || !(o.space = colorSpaceFromCode(*code))) return bad();
    } else if (opt == "--formula") {
      const auto code = parseInt(value);
      if (!code || !(o.formula = colorFormulaFromCode(*code))) return bad();
    } else if (opt == "--kl" || opt == "--kc" || opt == "--kh") {
      const auto k = parseFloat(value);
      if (!k || !(*k > 0.0f)) return bad();
      (opt == "--kl" ? o.k.kL : opt == "--kc" ? o.k.kC : o.k.kH) = *k;
    } else if (opt == "--metameric") {
      const auto parts = splitFields(value);
      if (parts.size() != 4) return bad();
      for (int pair = 0; pair < 2; ++pair) {
        const auto ill = illuminantFromText(parts[2 * pair]);
        const auto obs = observerFromDegrees(parts[2 * pair + 1]);
        if (!ill || !obs) return bad();
        o.metameric.conditions[std::size_t(pair)] = {*ill, *obs};
      }
    }
  }
  return std::nullopt;
}

std::optional<OptionError> require(const Options& o, bool space, bool formula) {
  if (!o.illuminant) return OptionError{"--illuminant is required"};
  if (!o.observer) return OptionError{"--observer is required"};
  if (space && !o.space) return OptionError{"--space is required"};
  if (formula && !o.formula) return OptionError{"--formula is required"};
  return std::nullopt;
}

int optionFailure(const OptionError& e, std::ostream& err) {
  err << "corvana-cli: " << e.message << "\n";
  printUsage(err);
  return 2;
}

// A record from `count` fields: 31 reflectance fractions, or L, a, b stored
// under the command's conditions.
bool readRecord(std::span<const std::string_view> fields, const Options& o, MeasurementRecord& r) {
  if (o.lab) {
    const auto L = parseFloat(fields[0]), a = parseFloat(fields[1]), b = parseFloat(fields[2]);
    if (!L || !a || !b) return false;
    r.L = *L, r.a = *a, r.b = *b;
    r.illuminant = std::uint8_t(*o.illuminant);
    r.observer = std::uint8_t(*o.observer);
    r.UseReflect = false;
    return true;
  }
  for (int i = 0; i < kCurvePoints; ++i) {
    const auto v = parseFloat(fields[std::size_t(i)]);
    if (!v) return false;
    r.reflectance[std::size_t(i)] = *v;
  }
  r.UseReflect = true;
  return true;
}

Condition conditionOf(const Options& o) { return {*o.illuminant, *o.observer}; }

ColorValues valuesOf(const MeasurementRecord& r, const Options& o, std::uint32_t& colour) {
  const std::optional<RecordColor> c = r.UseReflect
                                           ? computeColorValues(r, *o.space, conditionOf(o))
                                           : computeColorValuesFromLab(r, *o.space, conditionOf(o));
  if (!c) return ColorValues{};
  colour = c->displayColor;
  return c->values;
}

// Runs `handle` on every data line with `records` records after the name;
// a malformed line is reported and skipped.
template <typename Handle>
int forEachLine(std::istream& in, std::ostream& err, const Options& o, int records, Handle handle) {
  const int perRecord = o.lab ? 3 : kCurvePoints;
  const std::size_t expected = std::size_t(1 + records * perRecord);
  int lineNumber = 0, status = 0;
  InputLine line;
  while (nextDataLine(in, line, lineNumber)) {
    const auto fields = splitFields(line.text);
    MeasurementRecord parsed[2];
    bool ok = fields.size() == expected;
    for (int k = 0; ok && k < records; ++k)
      ok = readRecord(
          std::span(fields).subspan(std::size_t(1 + k * perRecord), std::size_t(perRecord)), o,
          parsed[k]);
    if (!ok) {
      err << "corvana-cli: line " << line.number << ": expected a name and " << records * perRecord
          << " numbers\n";
      status = 1;
      continue;
    }
    handle(fields[0], parsed);
  }
  return status;
}

}  // namespace

void printUsage(std::ostream& err) {
  err << "usage:\n"
         "  corvana-cli tristimulus --illuminant NAME --observer 2|10\n"
         "  corvana-cli values --space CODE --illuminant NAME --observer 2|10 [--lab]\n"
         "  corvana-cli diff --space CODE --formula CODE --illuminant NAME --observer 2|10 "
         "[--lab]\n"
         "                   [--kl X] [--kc X] [--kh X] [--metameric ILL,OBS,ILL,OBS]\n"
         "input lines: name,r400,...,r700 (31 fractions) or with --lab name,L,a,b;\n"
         "diff reads name, then the standard, then the sample on one line\n"
         "  corvana-cli job FILE [--save OUT] [--lang eng|chs|cht]\n"
         "  corvana-cli report KIND JOB OUT [--lang eng|chs|cht]   KIND: diff, cumulative,\n"
         "    word-diff, word-diff2, word-cumulative, spreadsheet\n"
         "  corvana-cli report opacity|word-opacity JOB OUT [--white N] [--black N]\n"
         "                   [--lang eng|chs|cht]   N: a sample's number from 1\n"
         "  corvana-cli name TEMPLATE COUNTER\n"
         "  corvana-cli find JOB standards|samples --name KEYWORD\n"
         "  corvana-cli find JOB standards|samples --value V1,V2,V3 --within LIMIT\n";
}

int runTristimulus(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  Options o;
  if (auto e = parseOptions(args, "--illuminant --observer ", o)) return optionFailure(*e, err);
  if (auto e = require(o, false, false)) return optionFailure(*e, err);
  return forEachLine(in, err, o, 1, [&](std::string_view name, const MeasurementRecord* r) {
    const Xyz t = computeTristimulus(r[0].reflectance, conditionOf(o)).value_or(Xyz{});
    out << escapedField(name) << ',' << formatNumber(t.X) << ',' << formatNumber(t.Y) << ',' << formatNumber(t.Z)
        << '\n';
  });
}

int runValues(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
              std::ostream& err) {
  Options o;
  if (auto e = parseOptions(args, "--space --illuminant --observer --lab ", o))
    return optionFailure(*e, err);
  if (auto e = require(o, true, false)) return optionFailure(*e, err);
  return forEachLine(in, err, o, 1, [&](std::string_view name, const MeasurementRecord* r) {
    std::uint32_t colour = 0;
    const ColorValues v = valuesOf(r[0], o, colour);
    out << escapedField(name);
    for (int i = 0; i < valueCount(*o.space); ++i) out << ',' << formatNumber(v[std::size_t(i)]);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", colour);
    out << ',' << hex << '\n';
  });
}

int runDiff(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
            std::ostream& err) {
  Options o;
  if (auto e = parseOptions(
          args, "--space --formula --illuminant --observer --lab --kl --kc --kh --metameric ", o))
    return optionFailure(*e, err);
  if (auto e = require(o, true, true)) return optionFailure(*e, err);
  return forEachLine(in, err, o, 2, [&](std::string_view name, const MeasurementRecord* r) {
    std::uint32_t colour = 0;
    const ColorValues tv = valuesOf(r[0], o, colour), sv = valuesOf(r[1], o, colour);
    ColorDifferences d;
    d.fill(-2000.0f);
    computeDifferences(r[0], r[1], tv, sv, *o.space, *o.formula, conditionOf(o), o.metameric, d,
                       o.k);
    out << escapedField(name);
    for (int i = 0; i < differenceCount(*o.space, *o.formula); ++i)
      out << ',' << formatNumber(d[std::size_t(i)]);
    out << '\n';
  });
}

}  // namespace corvana::cli
