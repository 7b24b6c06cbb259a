#include "files/measured/measured_points.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <unordered_map>

#include "files/gbk.h"
#include "files/measured/delimited_line.h"
#include "files/measured/gsi_block.h"

namespace korvel {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// Whether `bytes` are well-formed UTF-8 (plain ASCII is).
bool isUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// A line's bytes as UTF-8 text: ASCII as it stands, the rest decoded as GBK or as UTF-8
// (a malformed sequence replaced). Each line is decoded on its own, so that no decoder can
// join two lines or drop one.
std::string lineText(std::string_view line, bool gbk) {
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        return std::string(line);
    }
    const QByteArrayView bytes(line.data(), static_cast<qsizetype>(line.size()));
    return (gbk ? decodeGbk(bytes) : QString::fromUtf8(bytes)).toStdString();
}

// The lines of `text`, each ended by LF, CR LF or CR (the last one may have no end).
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    }
    return lines;
}

// A refusal: no points, no counts.
MeasuredPoints refusal(Problem problem) {
    MeasuredPoints refused;
    refused.problem = std::move(problem);
    return refused;
}

// The points read, one per name: a name met again keeps its first place and takes the new
// coordinates, and is counted.
MeasuredPoints merged(std::vector<MeasuredPoint> read, int linesPassedOver) {
    MeasuredPoints result;
    result.linesPassedOver = linesPassedOver;
    result.points.reserve(read.size());
    std::unordered_map<std::string, std::size_t> place;
    place.reserve(read.size());
    for (MeasuredPoint& p : read) {
        const auto [at, fresh] = place.try_emplace(pointNameKey(p.name), result.points.size());
        if (fresh) {
            result.points.push_back(std::move(p));
        } else {
            MeasuredPoint& first = result.points[at->second];
            first.x = std::move(p.x);
            first.y = std::move(p.y);
            first.h = std::move(p.h);
            ++result.repeats;
        }
    }
    if (result.points.empty()) {
        return refusal(problemAbout(ProblemCode::MeasuredNoPoints));
    }
    return result;
}

}  // namespace

// More than 64 MiB.
bool measuredFileTooLarge(qint64 size) {
    return size > kMaxMeasuredFileBytes;
}

// The ending after the last dot, in lower case, picks the format.
std::optional<MeasuredFormat> measuredFormatOf(const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("gsi")) {
        return MeasuredFormat::Gsi;
    }
    if (ending == QLatin1String("dat")) {
        return MeasuredFormat::CassDat;
    }
    if (ending == QLatin1String("csv") || ending == QLatin1String("txt")) {
        return MeasuredFormat::Delimited;
    }
    return std::nullopt;
}

// Refuses binary bytes, then reads line by line and merges names measured again.
MeasuredPoints decodeMeasuredPoints(QByteArrayView bytes, MeasuredFormat format,
                                    CoordinateOrder order) {
    if (bytes.contains('\0')) {
        return refusal(problemAbout(ProblemCode::MeasuredBinary));
    }
    // UTF-8 after a byte-order mark or when the whole file is UTF-8, else GBK.
    const bool bom = bytes.startsWith(kUtf8Bom);
    const QByteArrayView body = bom ? bytes.sliced(kUtf8Bom.size()) : bytes;
    const bool gbk = !bom && !isUtf8(body);
    std::vector<MeasuredPoint> read;
    int passedOver = 0;
    int number = 0;
    for (const std::string_view line :
         linesOf(std::string_view(body.data(), static_cast<std::size_t>(body.size())))) {
        ++number;
        std::optional<MeasuredPoint> point;
        if (format == MeasuredFormat::Gsi) {
            // GSI is ASCII read by position: only a name's own bytes are text.
            GsiBlock block = readGsiBlock(line, number);
            if (block.problem) {
                return refusal(std::move(block.problem));
            }
            point = std::move(block.point);
            if (point) {
                point->name = lineText(point->name, !isUtf8(QByteArrayView(point->name)));
                // A name of bytes that decode to nothing (a GBK lead byte alone) is no name.
                if (point->name.empty()) {
                    point.reset();
                }
            }
        } else {
            // Most lines are ASCII and are read where they stand.
            const bool ascii =
                std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; });
            point = ascii ? readDelimitedLine(line, format, order)
                          : readDelimitedLine(lineText(line, gbk), format, order);
        }
        if (point) {
            read.push_back(std::move(*point));
        } else {
            ++passedOver;
        }
    }
    return merged(std::move(read), passedOver);
}

// The ending, the kind of file and its size first, then the bytes decoded.
MeasuredPoints readMeasuredFile(const QString& path, CoordinateOrder order) {
    const std::string subject = QDir::toNativeSeparators(path).toStdString();
    const std::optional<MeasuredFormat> format = measuredFormatOf(path);
    if (!format) {
        return refusal(fileProblem(ProblemCode::UnknownMeasuredEnding, subject));
    }
    // Only a plain file: a pipe would block in open(), a device has no end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return refusal(fileProblem(ProblemCode::NotRegularFile, subject));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refusal(
            fileProblem(ProblemCode::CannotRead, subject, file.errorString().toStdString()));
    }
    if (measuredFileTooLarge(file.size())) {
        return refusal(fileProblem(ProblemCode::MeasuredTooLarge, subject));
    }
    const QByteArray bytes = file.read(kMaxMeasuredFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return refusal(
            fileProblem(ProblemCode::CannotRead, subject, file.errorString().toStdString()));
    }
    if (measuredFileTooLarge(bytes.size())) {  // it grew while it was read
        return refusal(fileProblem(ProblemCode::MeasuredTooLarge, subject));
    }
    MeasuredPoints points = decodeMeasuredPoints(bytes, *format, order);
    if (points.problem) {
        points.problem.file = subject;
    }
    return points;
}

// Name, X and Y of each point; H is not checked.
std::vector<FieldPoint> fieldPoints(const MeasuredPoints& measured) {
    std::vector<FieldPoint> points;
    points.reserve(measured.points.size());
    for (const MeasuredPoint& p : measured.points) {
        points.push_back({p.name, p.x, p.y});
    }
    return points;
}

}  // namespace korvel
