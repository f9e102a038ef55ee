#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <QByteArray>

#include "base/number_text.h"

namespace ferlo::testing {

// What a PDF file of the Qt printer holds, read back well enough to count
// its pages and the lines stroked on each.
struct PdfContents {
    int pages = 0;
    std::vector<std::string> contentStreams;  // decompressed, in file order

    explicit PdfContents(const std::string& pdf) {
        for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
             at = pdf.find("/Type /Page\n", at + 1)) {
            ++pages;
        }
        for (std::size_t at = pdf.find("/FlateDecode"); at != std::string::npos;
             at = pdf.find("/FlateDecode", at + 1)) {
            const std::size_t start = pdf.find("stream\n", at) + 7;
            const std::size_t end = pdf.find("\nendstream", start);
            // qUncompress wants the expected size up front, big-endian.
            const auto guess = static_cast<quint32>((end - start) * 100);
            QByteArray data;
            for (int shift = 24; shift >= 0; shift -= 8) data.append(static_cast<char>(guess >> shift));
            data.append(pdf.data() + start, static_cast<qsizetype>(end - start));
            contentStreams.push_back(qUncompress(data).toStdString());
        }
    }
};

struct Stroke {
    double x1, y1, x2, y2;
};

// The straight lines of a content stream: "x1 y1 m", "x2 y2 l", "S".
inline std::vector<Stroke> strokes(const std::string& content) {
    std::vector<Stroke> result;
    std::istringstream in(content);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
        const std::size_t n = words.size();
        if (word == "S" && n >= 7 && words[n - 5] == "m" && words[n - 2] == "l") {
            const auto number = [&](std::size_t k) { return parseNumber(words[n - k]).value_or(-1); };
            result.push_back({number(7), number(6), number(4), number(3)});
        }
    }
    return result;
}

}  // namespace ferlo::testing
