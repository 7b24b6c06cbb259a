#include "files/measured/measured_points.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <string_view>
#include <utility>

#include "files/gbk.h"
#include "files/measured/delimited_line.h"
#include "files/measured/gsi_block.h"

namespace korvel {
namespace {

// Whether `bytes` are well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8();
}

// Bytes as UTF-8 text: ASCII as it stands, the rest decoded as GBK or as UTF-8 (a malformed
// sequence replaced).
std::string decoded(std::string_view bytes, bool gbk) {
    if (isAscii(bytes)) {
        return std::string(bytes);
    }
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return (gbk ? decodeGbk(view) : QString::fromUtf8(view)).toStdString();
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

// A file's points in the order of the file, each measurement its own, and the lines passed
// over: what both the check by place and the check by name are made from. On a problem no
// points and 0 lines.
struct PointsInOrder {
    std::vector<FieldPoint> points;
    int linesPassedOver = 0;
    Problem problem;
};

// A refusal: no points, no counts.
PointsInOrder refusal(Problem problem) {
    PointsInOrder refused;
    refused.problem = std::move(problem);
    return refused;
}

// The block of a GSI line, numbered `lineNumber`. GSI is ASCII read by position: only a
// name's own bytes are text, decoded on their own, as UTF-8 when they are UTF-8, else as GBK.
// A name of bytes that decode to nothing (a GBK lead byte alone) is no name.
GsiBlock gsiLine(std::string_view line, int lineNumber) {
    GsiBlock block = readGsiBlock(line, lineNumber);
    if (block.point) {
        std::string& name = block.point->name;
        name = decoded(name, !isUtf8(name));
        if (name.empty()) {
            block.point.reset();
        }
    }
    return block;
}

// The point of each line, or the refusal of the first line that refuses the file. Each line
// of a delimited or .dat file is decoded on its own, so that no decoder can join two lines or
// drop one; where the whole file is UTF-8 it is read as it stands.
PointsInOrder decodePoints(QByteArrayView bytes, MeasuredFormat format, CoordinateOrder order) {
    const std::string_view all(bytes.data(), static_cast<std::size_t>(bytes.size()));
    if (all.find('\0') != std::string_view::npos) {
        return refusal(problemAbout(ProblemCode::MeasuredBinary));
    }
    const bool marked = all.starts_with(kUtf8ByteOrderMark);
    const std::string_view body = all.substr(marked ? kUtf8ByteOrderMark.size() : 0);
    const bool utf8 = format != MeasuredFormat::Gsi && isUtf8(body);
    const std::vector<std::string_view> lines = linesOf(body);
    PointsInOrder read;
    read.points.reserve(lines.size());
    int number = 0;
    for (const std::string_view line : lines) {
        ++number;
        std::optional<FieldPoint> point;
        if (format == MeasuredFormat::Gsi) {
            GsiBlock block = gsiLine(line, number);
            if (block.problem) {
                return refusal(std::move(block.problem));
            }
            point = std::move(block.point);
        } else {
            const std::string text = utf8 ? std::string() : decoded(line, !marked);
            point = readDelimitedLine(utf8 ? line : std::string_view(text), format, order);
        }
        if (point) {
            read.points.push_back(std::move(*point));
        } else {
            ++read.linesPassedOver;
        }
    }
    if (read.points.empty()) {
        return refusal(problemAbout(ProblemCode::MeasuredNoPoints));
    }
    return read;
}

// The file at `path` read as decodePoints reads its bytes, every problem naming the file: its
// ending, its kind and its size first, then the bytes.
PointsInOrder readPoints(const QString& path, CoordinateOrder order) {
    const std::string subject = QDir::toNativeSeparators(path).toStdString();
    const auto refused = [&subject](ProblemCode code, const QString& reason = {}) {
        return refusal(fileProblem(code, subject, reason.toStdString()));
    };
    const std::optional<MeasuredFormat> format = measuredFormatOf(path);
    if (!format) {
        return refused(ProblemCode::UnknownMeasuredEnding);
    }
    // Only a plain file: a pipe would block in open(), a device has no end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return refused(ProblemCode::NotRegularFile);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(ProblemCode::CannotRead, file.errorString());
    }
    if (measuredFileTooLarge(file.size())) {
        return refused(ProblemCode::MeasuredTooLarge);
    }
    // Read to its end, as large as it has become since it was opened, and measured again: asking
    // for the limit itself would set 64 MiB aside for every file.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return refused(ProblemCode::CannotRead, file.errorString());
    }
    if (measuredFileTooLarge(bytes.size())) {
        return refused(ProblemCode::MeasuredTooLarge);
    }
    PointsInOrder read = decodePoints(bytes, *format, order);
    if (read.problem) {
        read.problem.file = subject;
    }
    return read;
}

// Every point as a shot of the check by place.
MeasuredShots shotsOf(PointsInOrder read) {
    return {std::move(read.points), read.linesPassedOver, std::move(read.problem)};
}

// The points as pegs of the check by name, one to a name.
MeasuredPoints pegsOf(PointsInOrder read) {
    return {fieldPointsOf(std::move(read.points)), read.linesPassedOver, std::move(read.problem)};
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

MeasuredShots decodeMeasuredShots(QByteArrayView bytes, MeasuredFormat format,
                                  CoordinateOrder order) {
    return shotsOf(decodePoints(bytes, format, order));
}

MeasuredShots readMeasuredShots(const QString& path, CoordinateOrder order) {
    return shotsOf(readPoints(path, order));
}

MeasuredPoints decodeMeasuredPoints(QByteArrayView bytes, MeasuredFormat format,
                                    CoordinateOrder order) {
    return pegsOf(decodePoints(bytes, format, order));
}

MeasuredPoints readMeasuredFile(const QString& path, CoordinateOrder order) {
    return pegsOf(readPoints(path, order));
}

}  // namespace korvel
