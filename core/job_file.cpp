#include "core/job_file.h"

#include <tinyxml.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <tuple>

#include "colour/color_space.h"
#include "colour/judgement.h"
#include "colour/parametric_factors.h"
#include "colour/text_utf.h"
#include "core/attribute_text.h"
#include "core/code_page.h"
#include "core/condition_texts.h"
#include "core/date_time_text.h"
#include "core/file_identity.h"
#include "core/file_io.h"
#include "core/job.h"
#include "core/job_file_error.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/record_attribute.h"
#include "core/record_elements.h"
#include "core/xml_layout_writer.h"
#include "core/xml_shape_check.h"

namespace corvana {

namespace {

using namespace std::string_view_literals;

constexpr std::size_t kMaxJobFileBytes = std::size_t(1) << 30;
constexpr int kMaxDataAccuracy = 10;

// ---------------------------------------------------------------- writing

class DocumentWriter {
 public:
  explicit DocumentWriter(const std::string& codePage) : encoder_(codePage) {}

  XmlLayoutWriter& xml() { return xml_; }
  void text(const char* name, std::string_view utf8) {
    xml_.attribute(name, encoder_.encode(utf8));
  }
  void ascii(const char* name, std::string_view value) { xml_.attribute(name, value); }
  void real(const char* name, double value) { xml_.attribute(name, formatReal(value)); }
  void integer(const char* name, long long value) { xml_.attribute(name, formatInt(value)); }
  void observer(const char* name, Observer observer) {
    text(name, LookupText(observerTextRow(observer)));
  }

 private:
  CodePageEncoder encoder_;
  XmlLayoutWriter xml_;
};

constexpr const char* kReflectNames[kCurvePoints] = {
    "Reflect1",  "Reflect2",  "Reflect3",  "Reflect4",  "Reflect5",  "Reflect6",  "Reflect7",
    "Reflect8",  "Reflect9",  "Reflect10", "Reflect11", "Reflect12", "Reflect13", "Reflect14",
    "Reflect15", "Reflect16", "Reflect17", "Reflect18", "Reflect19", "Reflect20", "Reflect21",
    "Reflect22", "Reflect23", "Reflect24", "Reflect25", "Reflect26", "Reflect27", "Reflect28",
    "Reflect29", "Reflect30", "Reflect31"};

// A record's stored codes, checked: an unknown illuminant is written as an
// empty name and any observer but 10° as 2°.
std::string_view storedIlluminantName(std::uint8_t code) {
  const std::optional<Illuminant> illuminant = illuminantFromCode(code);
  return illuminant ? illuminantName(*illuminant) : std::string_view();
}
Observer storedObserver(std::uint8_t code) { return observerFromCode(code).value_or(Observer2); }

void writeRecord(DocumentWriter& w, const char* element, const MeasurementRecord& r) {
  w.xml().open(element);
  w.text("Name", r.nameUtf8());
  w.text("Material", r.materialUtf8());
  w.ascii("CLM", measurementModeText(r.mode));
  if (r.UseReflect) {
    for (int i = 0; i < kCurvePoints; ++i) w.real(kReflectNames[i], r.reflectance[std::size_t(i)]);
  } else {
    w.ascii("UseReflect", "0");
    w.real("L", r.L);
    w.real("a", r.a);
    w.real("b", r.b);
    w.ascii("Illuminant", storedIlluminantName(r.illuminant));
    w.observer("Observer", storedObserver(r.observer));
  }
  w.ascii("Time", dateTimeText(r.time));
  w.xml().close(element, false);
}

void writeRecordList(DocumentWriter& w, const char* name, const Job& job, RecordList list) {
  w.xml().open(name);
  w.integer("Current", list == RecordList::Standards ? job.currentStandard : job.currentSample);
  const auto& records = job.records(list);
  if (!records.empty()) w.xml().beginChildren();
  for (const MeasurementRecord& r : records) writeRecord(w, name, r);
  w.xml().close(name, !records.empty());
}

std::string buildDocument(const Job& job, const std::string& codePage) {
  DocumentWriter w(codePage);
  // About 750 bytes a record with a curve.
  w.xml().reserve(4096 + std::size_t(job.standardCount() + job.sampleCount()) * 800);
  const ParametricFactors& k = parametricFactors();

  w.xml().open("Job");
  w.text("Name", job.title);
  w.text("DeviceName", job.DeviceName);
  w.integer("IlluminantCount", job.IlluminantCount);
  w.ascii("Illuminant1", illuminantName(job.illuminants[0]));
  w.ascii("Illuminant2", illuminantName(job.illuminants[1]));
  w.ascii("Illuminant3", illuminantName(job.illuminants[2]));
  w.observer("Observer", job.observer);
  w.text("ColorSpace", colorSpaceText(job.colorSpace));
  w.text("ColorFormula", colorFormulaText(job.colorFormula));
  w.real("KL", k.kL);
  w.real("KC", k.kC);
  w.real("KH", k.kH);
  w.integer("DataAccuracy", job.DataAccuracy);
  w.text("StandardNameRule1", job.StandardNameRule1);
  w.text("StandardNameRule2", job.StandardNameRule2);
  w.text("SampleNameRule1", job.SampleNameRule1);
  w.text("SampleNameRule2", job.SampleNameRule2);
  w.text("StandardMaterial", job.StandardMaterial);
  w.text("SampleMaterial", job.SampleMaterial);
  w.xml().beginChildren();
  w.xml().open("MetamericIndex");
  w.ascii("Illuminant0", illuminantName(job.metameric.conditions[0].illuminant));
  w.observer("Observer0", job.metameric.conditions[0].observer);
  w.ascii("Illuminant1", illuminantName(job.metameric.conditions[1].illuminant));
  w.observer("Observer1", job.metameric.conditions[1].observer);
  w.xml().close("MetamericIndex", false);
  w.xml().close("Job", true);

  w.xml().open("UserInfo");
  w.text("EnglishAddress", job.EnglishAddress);
  w.text("ChineseAddress", job.ChineseAddress);
  w.text("EnglishName", job.EnglishName);
  w.text("ChineseName", job.ChineseName);
  w.integer("PrintChromaticity", job.PrintChromaticity ? 1 : 0);
  w.integer("PrintReflectanceInCumulative", job.PrintReflectanceInCumulative ? 1 : 0);
  w.xml().close("UserInfo", false);

  w.xml().open("Tolerance");
  char name[32];
  for (int i = 0; i < kIlluminantSlots; ++i) {
    for (int j = 0; j < kEntriesPerSlot; ++j) {
      const ToleranceSet& entry = job.toleranceB[std::size_t(toleranceIndex(i, j))];
      if (j < 3) {
        std::snprintf(name, sizeof name, "I%dLower%d", i, j);
        w.real(name, entry.lower);
      }
      std::snprintf(name, sizeof name, "I%dUpper%d", i, j);
      w.real(name, entry.upper);
    }
  }
  w.text("JudgeMethod", judgeMethodText(job.judgeMethod));
  w.real("ToleranceQuotiety", job.toleranceQuotiety);
  w.xml().close("Tolerance", false);

  writeRecordList(w, "Standard", job, RecordList::Standards);
  writeRecordList(w, "Sample", job, RecordList::Samples);
  return w.xml().take();
}

// ---------------------------------------------------------------- reading

// The texts the enumeration values are compared with, in the language
// current while reading.
struct ReadContext {
  std::u16string observer2 = utf8ToUtf16(LookupText(observerTextRow(Observer2)));
  std::u16string observer10 = utf8ToUtf16(LookupText(observerTextRow(Observer10)));
  std::int32_t defaultMode = std::int32_t(jobManager().currentMeasurementMode);
};

// 2° when the first character matches the 2° text's, 10° when the first
// two match the 10° text's: "2" written in English still matches "2°" in Chinese.
std::optional<Observer> observerFromText(const ReadContext& c, std::string_view text) {
  const std::u16string t = utf8ToUtf16(text);
  if (!t.empty() && !c.observer2.empty() && t[0] == c.observer2[0]) return Observer2;
  if (t.size() >= 2 && c.observer10.size() >= 2 && t[0] == c.observer10[0] &&
      t[1] == c.observer10[1])
    return Observer10;
  return std::nullopt;
}

const char* attribute(const TiXmlElement& e, const char* name) { return e.Attribute(name); }

std::optional<float> realAttribute(const TiXmlElement& e, const char* name) {
  const char* v = e.Attribute(name);
  return v ? parseFloat(v) : std::nullopt;
}
std::optional<int> intAttribute(const TiXmlElement& e, const char* name) {
  const char* v = e.Attribute(name);
  return v ? parseInt(v) : std::nullopt;
}

void readText(const TiXmlElement& e, const char* name, std::string& target) {
  if (const char* v = attribute(e, name)) target = v;
}

void readIlluminant(const TiXmlElement& e, const char* name, Illuminant& target) {
  if (const char* v = attribute(e, name))
    if (auto code = illuminantFromText(v)) target = *code;
}

void readObserver(const ReadContext& c, const TiXmlElement& e, const char* name, Observer& target) {
  if (const char* v = attribute(e, name))
    if (auto code = observerFromText(c, v)) target = *code;
}

// Parts that are not numbers read as 0, as the program's atoi did.
int timePart(std::string_view part) { return parseInt(part).value_or(0); }

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(
        text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

RecordTime parseRecordTime(std::string_view text) {
  RecordTime t;
  const std::size_t blank = text.find(' ');
  const std::string_view date = text.substr(0, blank);
  const std::string_view time =
      blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);

  const auto d = split(date, '/');
  if (d.size() >= 3) {
    const int year = timePart(d[0]), month = timePart(d[1]), day = timePart(d[2]);
    if (year >= 0 && year <= 65535 && month >= 1 && month <= 12 && day >= 1 && day <= 31) {
      RecordTime candidate;
      candidate.year = std::uint16_t(year);
      candidate.month = std::uint8_t(month);
      candidate.day = std::uint8_t(day);
      if (candidate.isValid()) t = candidate;
    }
  }
  if (!time.empty()) {
    const auto h = split(time, ':');
    const int hour = timePart(h[0]);
    const int minute = h.size() > 1 ? timePart(h[1]) : 0;
    const int second = h.size() > 2 ? timePart(h[2]) : 0;
    if (hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59) {
      t.hour = std::uint8_t(hour);
      t.minute = std::uint8_t(minute);
      t.second = std::uint8_t(second);
    }
  }
  return t;
}

void applyRecordAttribute(const ReadContext& c, MeasurementRecord& r, std::string_view name,
                          std::string_view value) {
  const int attribute = recordAttribute(name);
  if (attribute >= kRecordReflectFirst && attribute < kRecordReflectFirst + kCurvePoints) {
    r.reflectance[std::size_t(attribute - kRecordReflectFirst)] = parseFloat(value).value_or(0.0f);
    return;
  }
  switch (attribute) {
    case kRecordName: r.setName(value); break;
    case kRecordMaterial: r.setMaterial(value); break;
    case kRecordCLM:
      if (auto mode = measurementModeFromText(value)) r.mode = std::uint8_t(*mode);
      break;
    case kRecordUseReflect:
      if (auto v = parseInt(value)) r.UseReflect = *v != 0;
      break;
    case kRecordL: r.L = parseFloat(value).value_or(0.0f); break;
    case kRecordA: r.a = parseFloat(value).value_or(0.0f); break;
    case kRecordB: r.b = parseFloat(value).value_or(0.0f); break;
    case kRecordIlluminant:
      if (auto code = illuminantFromText(value)) r.illuminant = std::uint8_t(*code);
      break;
    case kRecordObserver:
      if (auto code = observerFromText(c, value)) r.observer = std::uint8_t(*code);
      break;
    case kRecordTime: r.time = parseRecordTime(value); break;
    default: break;
  }
}

MeasurementRecord newRecord(const ReadContext& c, const Job& job) {
  MeasurementRecord r;
  r.UseReflect = true;
  r.mode = std::uint8_t(c.defaultMode);
  r.illuminant = std::uint8_t(job.illuminants[0]);
  r.observer = std::uint8_t(job.observer);
  return r;
}

MeasurementRecord readRecord(const ReadContext& c, const Job& job, const TiXmlElement& e) {
  MeasurementRecord r = newRecord(c, job);
  for (const TiXmlAttribute* a = e.FirstAttribute(); a; a = a->Next())
    applyRecordAttribute(c, r, a->Name(), a->Value());
  return r;
}

MeasurementRecord readRecord(const ReadContext& c, const Job& job, std::string_view tag) {
  MeasurementRecord r = newRecord(c, job);
  RecordTagAttributes attributes(tag);
  std::string_view name, value;
  while (attributes.next(name, value)) applyRecordAttribute(c, r, name, value);
  return r;
}

void readJobElement(const ReadContext& c, Job& job, const TiXmlElement& e) {
  if (const char* v = attribute(e, "Name")) job.setTitle(v);
  if (const char* v = attribute(e, "DeviceName"); v && job.DeviceName != v) job.DeviceName = v;
  readObserver(c, e, "Observer", job.observer);
  if (auto count = intAttribute(e, "IlluminantCount"); count && *count > 0)
    job.setIlluminantCount(std::uint32_t(*count));
  for (int i = 0; i < 3; ++i)
    readIlluminant(e, ("Illuminant" + std::to_string(i + 1)).c_str(), job.illuminants[i]);
  const char* space = attribute(e, "ColorSpace");
  job.colorSpace = space ? colorSpaceFromText(space).value_or(CieLab) : CieLab;
  const char* formula = attribute(e, "ColorFormula");
  job.setColorFormula(formula ? colorFormulaFromText(formula).value_or(Cie1976) : Cie1976);
  ParametricFactors& k = parametricFactors();
  if (auto v = realAttribute(e, "KL")) k.kL = float(*v);
  if (auto v = realAttribute(e, "KC")) k.kC = float(*v);
  if (auto v = realAttribute(e, "KH")) k.kH = float(*v);
  readText(e, "StandardNameRule1", job.StandardNameRule1);
  readText(e, "StandardNameRule2", job.StandardNameRule2);
  readText(e, "SampleNameRule1", job.SampleNameRule1);
  readText(e, "SampleNameRule2", job.SampleNameRule2);
  readText(e, "StandardMaterial", job.StandardMaterial);
  readText(e, "SampleMaterial", job.SampleMaterial);
  if (const TiXmlElement* m = e.FirstChildElement("MetamericIndex")) {
    for (int i = 0; i < 2; ++i) {
      const std::string n = std::to_string(i);
      readIlluminant(*m, ("Illuminant" + n).c_str(),
                     job.metameric.conditions[std::size_t(i)].illuminant);
      readObserver(c, *m, ("Observer" + n).c_str(),
                   job.metameric.conditions[std::size_t(i)].observer);
    }
  }
  // The dialog offers 2 to 4; anything a byte cannot hold or no one could
  // read keeps the job's value.
  if (auto v = intAttribute(e, "DataAccuracy"); v && *v >= 0 && *v <= kMaxDataAccuracy)
    job.DataAccuracy = std::uint8_t(*v);
  job.recomputeAll();
}

void readUserInfo(Job& job, const TiXmlElement& e) {
  readText(e, "EnglishAddress", job.EnglishAddress);
  readText(e, "ChineseAddress", job.ChineseAddress);
  readText(e, "EnglishName", job.EnglishName);
  readText(e, "ChineseName", job.ChineseName);
  if (const char* v = attribute(e, "PrintChromaticity"))
    if (auto flag = parseYesNo(v)) job.PrintChromaticity = *flag;
  if (const char* v = attribute(e, "PrintReflectanceInCumulative"))
    if (auto flag = parseYesNo(v)) job.PrintReflectanceInCumulative = *flag;
}

void readTolerance(Job& job, const TiXmlElement& e) {
  char name[32];
  for (int i = 0; i < kIlluminantSlots; ++i) {
    for (int j = 0; j < kEntriesPerSlot; ++j) {
      ToleranceSet& entry = job.toleranceB[std::size_t(toleranceIndex(i, j))];
      if (j < 3) {  // entry 3 has no lower limit, even when a file names one
        std::snprintf(name, sizeof name, "I%dLower%d", i, j);
        if (auto v = realAttribute(e, name)) entry.lower = float(*v);
      }
      std::snprintf(name, sizeof name, "I%dUpper%d", i, j);
      if (auto v = realAttribute(e, name)) entry.upper = float(*v);
    }
  }
  if (const char* v = attribute(e, "JudgeMethod"))
    if (auto method = judgeMethodFromText(v)) job.judgeMethod = *method;
  if (auto v = realAttribute(e, "ToleranceQuotiety")) {
    const float q = float(*v);
    // Outside the range the tolerance dialog accepts the warning band is meaningless.
    if (q >= kMinToleranceQuotiety && q <= kMaxToleranceQuotiety) job.toleranceQuotiety = q;
  }
}

// A list's record elements read by the fast reader stand in the text that
// TinyXML parses as this comment and the list's number.
constexpr std::string_view kRecordListMark = "corvana-record-list:";

// A job file parsed: TinyXML's document, and the record lists read past it.
struct ParsedJobFile {
  TiXmlDocument doc;
  std::string text;  // the decoded file; the record tags point into it
  std::vector<std::vector<std::string_view>> recordLists;
};

// The records of a list element that the fast reader took, or null.
const std::vector<std::string_view>* fastRecords(const ParsedJobFile& file,
                                                 const TiXmlElement& outer) {
  const TiXmlNode* first = outer.FirstChild();
  if (!first || first->Type() != TiXmlNode::TINYXML_COMMENT) return nullptr;
  const std::string_view mark = first->Value();
  if (!mark.starts_with(kRecordListMark)) return nullptr;
  const auto index = parseInt(mark.substr(kRecordListMark.size()));
  if (!index || *index < 0 || std::size_t(*index) >= file.recordLists.size()) return nullptr;
  return &file.recordLists[std::size_t(*index)];
}

void readRecordList(const ReadContext& c, Job& job, const ParsedJobFile& file,
                    const TiXmlElement& outer, const char* name, RecordList list) {
  const bool standards = list == RecordList::Standards;
  const auto add = [&](const MeasurementRecord& r) {
    if (standards)
      job.addStandard(r, false);
    else
      job.addSample(r, false);
  };
  if (const auto* tags = fastRecords(file, outer)) {
    job.reserveRecords(list, int(tags->size()));
    for (std::string_view tag : *tags) add(readRecord(c, job, tag));
  } else {
    int records = 0;
    for (const TiXmlElement* child = outer.FirstChildElement(name); child;
         child = child->NextSiblingElement(name))
      ++records;
    job.reserveRecords(list, records);
    for (const TiXmlElement* child = outer.FirstChildElement(name); child;
         child = child->NextSiblingElement(name))
      add(readRecord(c, job, *child));
  }
  const int count = job.count(list);
  int current = standards ? job.currentStandard : job.currentSample;
  if (auto v = intAttribute(outer, "Current")) current = *v;
  // An index outside the list means none; storing it would leave a current
  // index that the lists and reports would read past the end.
  if (current < -1 || current >= count) current = -1;
  if (standards)
    job.selectStandard(current);
  else
    job.selectSample(current);
}

const TiXmlElement* topLevel(const TiXmlDocument& doc, const char* name) {
  return doc.FirstChildElement(name);
}

// The text TinyXML is given: the file with the content of every record
// list the fast reader takes replaced by a mark, or empty when it takes none
// (TinyXML then parses the file itself). Parsing the rest is the same as
// parsing it all, because TinyXML reads that content without an error and
// adds nothing but the records to the document.
std::string textWithoutRecords(ParsedJobFile& file, const std::vector<XmlTopElement>& outline) {
  const std::string_view text = file.text;
  // A file that holds the mark itself is read by TinyXML alone.
  if (text.find(kRecordListMark) != std::string_view::npos) return {};
  std::string reduced;
  std::size_t copied = 0;
  for (const XmlTopElement& e : outline) {
    if (e.empty || (e.name != "Standard" && e.name != "Sample")) continue;
    if (!isPlainEndTag(text.substr(e.contentEnd), e.name)) continue;
    auto tags =
        findRecordElements(text.substr(e.contentBegin, e.contentEnd - e.contentBegin), e.name);
    if (!tags) continue;
    if (reduced.empty()) reduced.reserve(4096);
    reduced.append(text.substr(copied, e.contentBegin - copied));
    reduced += "<!--";
    reduced += kRecordListMark;
    reduced += std::to_string(file.recordLists.size());
    reduced += "-->";
    copied = e.contentEnd;
    file.recordLists.push_back(std::move(*tags));
  }
  if (file.recordLists.empty()) return {};
  reduced.append(text.substr(copied));
  return reduced;
}

// Line and column (from 1, in characters) of a place in the text, counted
// as TinyXML counts them: CR LF and a lone CR end a line as LF does.
std::pair<int, int> placeOf(std::string_view text, std::size_t offset) {
  int line = 1, column = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++line;
      column = 1;
    } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

JobFileError shapeError(std::string_view text, const XmlShapeRefusal& refused) {
  const XmlShapeLimits limits;
  JobFileError e;
  switch (refused.fault) {
    case XmlShapeFault::NulCharacter: e.fault = JobFileFault::NotText; return e;
    case XmlShapeFault::NestedTooDeep:
      e.fault = JobFileFault::NestedTooDeep;
      e.limit = limits.maxDepth;
      return e;
    case XmlShapeFault::TooManyAttributes:
      e.fault = JobFileFault::TooManyAttributes;
      e.limit = limits.maxAttributesPerElement;
      return e;
    case XmlShapeFault::ElementNotClosed:
    case XmlShapeFault::Unterminated:
    case XmlShapeFault::MalformedTag:
    case XmlShapeFault::RepeatedAttribute: break;
  }
  e.fault = JobFileFault::MalformedXml;
  std::tie(e.line, e.column) = placeOf(text, refused.offset);
  return e;
}

JobFileError only(JobFileFault fault) {
  JobFileError e;
  e.fault = fault;
  return e;
}

// UTF-16 and UTF-32, by their byte-order marks or by the NUL beside the
// opening '<' of a file written without one.
bool isWideText(std::string_view bytes) {
  for (std::string_view start :
       {"\xFF\xFE"sv, "\xFE\xFF"sv, "\0\0\xFE\xFF"sv, "<\0"sv, "\0<"sv, "\0\0\0<"sv})
    if (bytes.starts_with(start)) return true;
  return false;
}

bool isBlank(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark alone
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Parses and checks the text; the job is not touched here.
bool parseJobDocument(ParsedJobFile& file, std::string bytes, const std::string& localeCodePage,
                      JobFileError& error) {
  const auto fail = [&](JobFileError why) {
    why.path = std::move(error.path);
    error = std::move(why);
    return false;
  };
  if (bytes.size() > kMaxJobFileBytes) return fail(only(JobFileFault::TooLarge));
  if (isBlank(bytes)) return fail(only(JobFileFault::Empty));
  if (isWideText(bytes)) return fail(only(JobFileFault::WideEncoding));
  file.text = decodeFileText(std::move(bytes), localeCodePage).utf8;
  std::vector<XmlTopElement> outline;
  if (auto refused = checkXmlShape(file.text, {}, &outline))
    return fail(shapeError(file.text, *refused));
  const std::string reduced = textWithoutRecords(file, outline);
  const std::string& parsed = file.recordLists.empty() ? file.text : reduced;
  // Without a tab size TinyXML skips tracking lines and columns, a tenth of
  // its time on a large file; a refused file is parsed again to say where.
  TiXmlDocument& doc = file.doc;
  doc.SetTabSize(0);
  doc.Parse(parsed.c_str(), nullptr, TIXML_ENCODING_UTF8);
  if (doc.Error()) {
    // TinyXML calls a text without markup an empty document.
    if (doc.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY)
      return fail(only(JobFileFault::NotXml));
    // The whole text, so the place named is the place in the file.
    TiXmlDocument located;
    located.Parse(file.text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    JobFileError malformed = only(JobFileFault::MalformedXml);
    malformed.line = located.ErrorRow();
    malformed.column = located.ErrorCol();
    malformed.xmlReason = doc.ErrorDesc();
    return fail(std::move(malformed));
  }
  for (const char* name : {"Job", "UserInfo", "Tolerance", "Standard", "Sample"})
    if (topLevel(doc, name)) return true;
  return fail(only(JobFileFault::NotJobFile));
}

void applyJobDocument(Job& job, const ParsedJobFile& file) {
  const ReadContext c;
  const TiXmlDocument& doc = file.doc;
  job.clearRecords();
  if (const TiXmlElement* e = topLevel(doc, "Job")) readJobElement(c, job, *e);
  if (const TiXmlElement* e = topLevel(doc, "UserInfo")) readUserInfo(job, *e);
  if (const TiXmlElement* e = topLevel(doc, "Tolerance")) readTolerance(job, *e);
  if (const TiXmlElement* e = topLevel(doc, "Standard"))
    readRecordList(c, job, file, *e, "Standard", RecordList::Standards);
  if (const TiXmlElement* e = topLevel(doc, "Sample"))
    readRecordList(c, job, file, *e, "Sample", RecordList::Samples);
  job.setModified(false);
}

// ---------------------------------------------------------------- files

bool readWholeFile(const std::string& path, ReadFrom from, std::string& bytes,
                   FileIdentity& identity, JobFileError& error) {
  FileBytes read = readBoundedFile(path, kMaxJobFileBytes, from);
  if (!read.ok()) {
    const bool system = read.fault == FileFault::System;
    error.fault = system ? readFaultOf(read.error) : JobFileFault::NotRegularFile;
    error.systemError = system ? read.error : 0;
    error.path = read.subject;
    return false;
  }
  identity = identityOf(read.stamp, read.bytes);
  bytes = std::move(read.bytes);
  return true;
}

bool reported(const JobFileError& e, std::string* error) {
  if (error) *error = jobFileErrorText(e);
  return !e.failed();
}

}  // namespace

std::string jobFileText(const Job& job) { return jobFileText(job, activeCodePage()); }

std::string jobFileText(const Job& job, const std::string& codePage) {
  return buildDocument(job, codePage);
}

bool readJobFileText(Job& job, std::string_view bytes) {
  return readJobFileText(job, bytes, nullptr, activeCodePage());
}

bool readJobFileText(Job& job, std::string_view bytes, std::string* error,
                     const std::string& localeCodePage) {
  JobFileError e;
  return readJobFileText(job, bytes, e, localeCodePage) || reported(e, error);
}

bool readJobFileText(Job& job, std::string_view bytes, JobFileError& error,
                     const std::string& localeCodePage) {
  ParsedJobFile file;
  error = {};
  if (!parseJobDocument(file, std::string(bytes), localeCodePage, error)) return false;
  applyJobDocument(job, file);
  return true;
}

bool readJobFile(Job& job, const std::string& path, std::string* error) {
  JobFileError e;
  return readJobFile(job, path, e) || reported(e, error);
}

bool readJobFile(Job& job, const std::string& path, JobFileError& error, ReadFrom from) {
  error = {};
  std::string bytes;
  FileIdentity identity;
  if (!readWholeFile(path, from, bytes, identity, error)) return false;
  ParsedJobFile file;
  error.path = path;
  if (!parseJobDocument(file, std::move(bytes), activeCodePage(), error)) return false;
  applyJobDocument(job, file);
  job.filePath = path;
  job.fileIdentity = identity;
  return true;
}

std::string withJobExtension(const std::string& path) {
  // Both separators: paths may come written either way.
  const std::size_t separator = path.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  std::string name = path.substr(nameStart);
  if (name.empty()) return path;  // a folder, not a file name: the save reports it
  // Trailing dots are an empty extension (and Windows drops them anyway).
  while (!name.empty() && name.back() == '.') name.pop_back();
  if (name.empty()) return path;
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) return path.substr(0, nameStart) + name;
  // ".job" alone already ends as Open looks for it.
  if (name.size() == 4) {
    std::string lower = name;
    for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    if (lower == ".job") return path.substr(0, nameStart) + name;
  }
  return path.substr(0, nameStart) + name + ".job";
}

bool writeJobFile(Job& job, const std::string& path, std::string* error) {
  JobFileError e;
  return writeJobFile(job, path, e) || reported(e, error);
}

bool writeJobFile(Job& job, const std::string& path, JobFileError& error) {
  error = {};
  if (path.empty()) {
    error.fault = JobFileFault::NoFileName;
    return false;
  }
  const std::string text = jobFileText(job);

  // Write beside the target and rename over it: a crash or a full disk
  // leaves the old file whole, never a truncated job.
  const FileResult saved = replaceFile(path, text);
  if (!saved.ok()) {
    error.fault = JobFileFault::SaveFailed;
    error.saveFault = saved.fault;
    error.systemError = saved.fault == FileFault::System ? saved.error : 0;
    error.path = saved.subject;
    return false;
  }
  job.fileIdentity = identityOf(saved.stamp, text);
  job.setModified(false);
  return true;
}

}  // namespace corvana
