// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small streaming JSON writer for the --json output of quillix-cli: it places
// the commas and escapes the strings; the caller gives the structure.

#include <string>
#include <string_view>
#include <vector>

namespace quillix::cli {

std::string JsonQuote(std::string_view text);

class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view text);
    JsonWriter& Int(long long number);
    JsonWriter& Bool(bool flag);
    JsonWriter& Null();

    const std::string& Text() const { return text_; }

  private:
    void BeforeItem();

    std::string text_;
    std::vector<bool> first_;  // per open container: no item written yet
    bool afterKey_ = false;
};

}  // namespace quillix::cli
