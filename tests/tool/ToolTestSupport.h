// Files, dumps and JSON comparison for the command-line tool's tests.
#pragma once

#include "LangpackBuilder.h"
#include "TempFolder.h"
#include "ToolRunner.h"

#include <QJsonObject>
#include <QJsonValue>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora::testing {

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);

// Runs "dump path"; fails the test unless it exits 0 with valid JSON.
QJsonObject DumpOf(const std::string& path);

// What "dump" must print for a file that the builder laid out.
QJsonObject ExpectedDump(const fixtures::LangpackSpec& spec, const fixtures::BuiltLangpack& built);

// Expects equal JSON; each difference is reported with its path ("sets[1].glyphs[5].width").
void ExpectSameJson(const QJsonValue& actual, const QJsonValue& expected, const std::string& path = "");

std::string Hex(const std::vector<uint8_t>& bytes);

}  // namespace glyphora::testing
