// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace lunafold::cli {

/// Just enough JSON for our documents: objects, arrays, strings, numbers, booleans, null.
class JsonWriter {
  public:
    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }

    JsonWriter &key(std::string_view k) {
        separate();
        quote(k);
        m_out += ':';
        m_afterKey = true;
        return *this;
    }
    JsonWriter &value(std::string_view s) {
        separate();
        quote(s);
        return *this;
    }
    JsonWriter &value(const char *s) { return value(std::string_view(s)); }
    JsonWriter &value(bool b) {
        separate();
        m_out += b ? "true" : "false";
        return *this;
    }
    JsonWriter &value(int v) {
        separate();
        m_out += std::to_string(v);
        return *this;
    }
    JsonWriter &value(double v, int significant = 12) {
        separate();
        if (!std::isfinite(v)) {
            m_out += "null";
            return *this;
        }
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*g", significant, v);
        m_out += buf;
        return *this;
    }
    JsonWriter &null() {
        separate();
        m_out += "null";
        return *this;
    }
    JsonWriter &optionalString(const std::optional<std::string> &s) { return s ? value(*s) : null(); }

    const std::string &str() const { return m_out; }

  private:
    JsonWriter &open(char c) {
        separate();
        m_out += c;
        m_first = true;
        return *this;
    }
    JsonWriter &close(char c) {
        m_out += c;
        m_first = false;
        return *this;
    }
    void separate() {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (!m_first && !m_out.empty())
            m_out += ',';
        m_first = false;
    }
    void quote(std::string_view s) {
        m_out += '"';
        for (char c : s) {
            switch (c) {
            case '"':
                m_out += "\\\"";
                break;
            case '\\':
                m_out += "\\\\";
                break;
            case '\n':
                m_out += "\\n";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    m_out += buf;
                } else {
                    m_out += c;
                }
            }
        }
        m_out += '"';
    }

    std::string m_out;
    bool m_first = true;
    bool m_afterKey = false;
};

} // namespace lunafold::cli
