#include "files/measured/measured_points.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "files/gbk.h"
#include "files/measured/delimited_line.h"
#include "files/measured/gsi_block.h"

namespace korvel {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Whether `bytes` are well-formed UTF-8 (plain ASCII is).
bool isUtf8(QByteArrayView bytes) {
    return bytes.isValidUtf8();
}

// Whether `text` is plain ASCII.
bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// A line's bytes as UTF-8 text: ASCII as it stands, the rest decoded as GBK or as UTF-8
// (a malformed sequence replaced). Each line is decoded on its own, so that no decoder can
// join two lines or drop one.
std::string lineText(std::string_view line, bool gbk) {
    if (isAscii(line)) {
        return std::string(line);
    }
    const QByteArrayView bytes(line.data(), static_cast<qsizetype>(line.size()));
    return (gbk ? decodeGbk(bytes) : QString::fromUtf8(bytes)).toStdString();
}

// The lines of a text, each ended by LF, CR LF or CR (the last one may have no end), taken
// one after another. The next LF and the next CR are each searched for on their own, which
// the C library does many bytes at a time, and remembered until passed, so that each search
// runs over the text once.
struct LineCursor {
    std::string_view text;
    std::size_t pos = 0;
    std::size_t lf = 0;  // the first LF at or after pos, or the end
    std::size_t cr = 0;  // the first CR at or after pos, or the end
};

// A cursor at the first line of `text`.
LineCursor linesOf(std::string_view text) {
    return {text, 0, std::min(text.find('\n'), text.size()),
            std::min(text.find('\r'), text.size())};
}

// The line at the cursor, which moves past its end; nothing at the end of the text.
std::optional<std::string_view> nextLine(LineCursor& lines) {
    const std::string_view text = lines.text;
    if (lines.pos >= text.size()) {
        return std::nullopt;
    }
    if (lines.lf < lines.pos) {
        lines.lf = std::min(text.find('\n', lines.pos), text.size());
    }
    if (lines.cr < lines.pos) {
        lines.cr = std::min(text.find('\r', lines.pos), text.size());
    }
    const std::size_t end = std::min(lines.lf, lines.cr);
    const std::string_view line = text.substr(lines.pos, end - lines.pos);
    lines.pos = end + (end == lines.cr && lines.cr + 1 == lines.lf ? 2 : 1);
    return line;
}

// How many times `c` is in `text`, found by the C library many bytes at a time.
std::size_t countOf(std::string_view text, char c) {
    std::size_t count = 0;
    for (std::size_t at = text.find(c); at != std::string_view::npos; at = text.find(c, at + 1)) {
        ++count;
    }
    return count;
}

// The points `text` will hold at most, as far as it is worth counting: one a line (lines
// counted by their LF, or by their CR in a file without LF), and a point takes at least six
// characters with its line end ("P,1,2\n"). Reserved at once, the lists are not copied as
// they grow; a file that mixes CR LF with CR alone is only read a little slower.
std::size_t mostPoints(std::string_view text) {
    const std::size_t lf = countOf(text, '\n');
    const std::size_t lineEnds = lf > 0 ? lf : countOf(text, '\r');
    return std::min(lineEnds + 1, text.size() / 6 + 1);
}

// A refusal: no points, no counts.
MeasuredPoints refusal(Problem problem) {
    MeasuredPoints refused;
    refused.problem = std::move(problem);
    return refused;
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

namespace {

// A GSI file as far as it has been read: the points, the lines seen and passed over, and the
// texts a block is written into. GSI is ASCII read by position: only a name's own bytes are
// text, and every text of a point is written anew, so the file need not be kept.
struct GsiReading {
    MeasuredPoints read;
    int lines = 0;
    GsiTexts texts;
    std::string decodedName;
};

// Reads the lines of `text` (each ended by LF, CR LF or CR; the last may have no end) into
// `reading`; the problem of a block that refuses the file, or none.
Problem readGsiLines(GsiReading& reading, std::string_view text) {
    LineCursor lines = linesOf(text);
    while (const std::optional<std::string_view> line = nextLine(lines)) {
        GsiBlock block = readGsiBlock(*line, ++reading.lines, reading.texts);
        if (block.problem) {
            return std::move(block.problem);
        }
        std::optional<FieldPoint>& point = block.point;
        if (point && !isAscii(point->name)) {
            reading.decodedName = lineText(point->name, !isUtf8(QByteArrayView(point->name)));
            point->name = reading.decodedName;
        }
        // A name of bytes that decode to nothing (a GBK lead byte alone) is no name.
        if (!point || point->name.empty()) {
            ++reading.read.linesPassedOver;
            continue;
        }
        addFieldPoint(reading.read.points, *point);
    }
    return {};
}

// The points read, or the refusal of a file without any.
MeasuredPoints finished(MeasuredPoints read) {
    if (read.points.places.empty()) {
        return refusal(problemAbout(ProblemCode::MeasuredNoPoints));
    }
    return read;
}

// Refuses binary bytes, then reads line by line; names measured again are merged as they
// are added. The bytes become the texts of the points: a delimited file's names and
// coordinates are mostly kept where they lie, and only what is written anew (a decoded
// line, a coordinate in another form) is added after them.
MeasuredPoints decodeBytes(std::string bytes, MeasuredFormat format, CoordinateOrder order) {
    if (std::string_view(bytes).find('\0') != std::string_view::npos) {
        return refusal(problemAbout(ProblemCode::MeasuredBinary));
    }
    const std::size_t bodyStart = bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    const std::size_t bodySize = bytes.size() - bodyStart;
    if (format == MeasuredFormat::Gsi) {
        GsiReading reading;
        const std::string_view body = std::string_view(bytes).substr(bodyStart);
        reserveFieldPoints(reading.read.points, mostPoints(body), body.size());
        if (Problem problem = readGsiLines(reading, body)) {
            return refusal(std::move(problem));
        }
        return finished(std::move(reading.read));
    }
    // UTF-8 after a byte-order mark or when the whole file is UTF-8, else GBK.
    const bool utf8 = isUtf8(QByteArrayView(bytes).sliced(static_cast<qsizetype>(bodyStart)));
    const bool gbk = bodyStart == 0 && !utf8;
    MeasuredPoints read;
    // The texts of a delimited file lie in its own bytes.
    std::string& texts = read.points.texts;
    texts = std::move(bytes);
    // The file's lines, seen afresh after every point added: the texts may have moved as
    // they grew.
    const auto body = [&texts, bodyStart, bodySize] {
        return std::string_view(texts).substr(bodyStart, bodySize);
    };
    // Room for every point at once, so that nothing is copied as the list grows: pages
    // reserved but never written cost nothing. The texts have their room already.
    reserveFieldPoints(read.points, mostPoints(body()), texts.capacity());
    std::array<std::string, 3> rewritten;
    int passedOver = 0;
    LineCursor lines = linesOf(body());
    while (const std::optional<std::string_view> next = nextLine(lines)) {
        const std::string_view line = *next;
        // Lines of a well-formed UTF-8 file, and ASCII lines of any, are read where they
        // stand; the others are decoded first.
        const bool decoded = !utf8 && !isAscii(line);
        const std::string decodedLine = decoded ? lineText(line, gbk) : std::string();
        const std::optional<FieldPoint> point = readDelimitedLine(
            decoded ? std::string_view(decodedLine) : line, format, order, rewritten);
        if (!point) {
            ++passedOver;
            continue;
        }
        addFieldPoint(read.points, *point);
        lines.text = body();
    }
    read.linesPassedOver = passedOver;
    return finished(std::move(read));
}

// Where the lines of `buffer` that are known to be whole end: after its last LF, or after
// its last CR when a byte follows it (a CR at the very end may be the first half of CR LF).
std::size_t wholeLinesEnd(std::string_view buffer) {
    const std::size_t lf = buffer.rfind('\n');
    std::size_t cr = buffer.rfind('\r');
    if (cr != std::string_view::npos && cr + 1 == buffer.size()) {
        cr = buffer.substr(0, cr).rfind('\r');
    }
    const std::size_t last = lf == std::string_view::npos   ? cr
                             : cr == std::string_view::npos ? lf
                                                            : std::max(lf, cr);
    return last == std::string_view::npos ? 0 : last + 1;
}

// A GSI file read piece by piece, as decodeBytes reads the whole: a file of thirty thousand
// blocks is three times the size of the points it holds, and need not be in memory at once.
MeasuredPoints readGsiFile(QFile& file) {
    GsiReading reading;
    const qint64 size = file.size();
    // A point takes a block of three words at least: 48 characters of GSI-8.
    reserveFieldPoints(reading.read.points, static_cast<std::size_t>(size / 48 + 1),
                       static_cast<std::size_t>(size / 2));
    // The bytes not yet read into lines are the first `filled` of `buffer`, which only grows
    // for a line longer than the room after them: refilling it costs no clearing.
    const auto piece = static_cast<std::size_t>(kGsiPieceBytes);
    std::string buffer(piece + 4096, '\0');
    std::size_t filled = 0;
    qint64 total = 0;
    bool first = true;
    for (;;) {
        if (buffer.size() - filled < piece) {
            buffer.resize(filled + piece);
        }
        const qint64 got = file.read(buffer.data() + filled, kGsiPieceBytes);
        if (got < 0) {
            return refusal(
                fileProblem(ProblemCode::CannotRead, {}, file.errorString().toStdString()));
        }
        total += got;
        if (measuredFileTooLarge(total)) {  // it grew while it was read
            return refusal(problemAbout(ProblemCode::MeasuredTooLarge));
        }
        if (std::string_view(buffer.data() + filled, static_cast<std::size_t>(got)).find('\0') !=
            std::string_view::npos) {
            return refusal(problemAbout(ProblemCode::MeasuredBinary));
        }
        filled += static_cast<std::size_t>(got);
        if (first && (filled >= kUtf8Bom.size() || got == 0)) {
            first = false;
            if (std::string_view(buffer.data(), filled).starts_with(kUtf8Bom)) {
                filled -= kUtf8Bom.size();
                std::memmove(buffer.data(), buffer.data() + kUtf8Bom.size(), filled);
            }
        }
        const std::string_view bytes(buffer.data(), filled);
        const std::size_t end = got == 0 ? filled : wholeLinesEnd(bytes);
        if (Problem problem = readGsiLines(reading, bytes.substr(0, end))) {
            return refusal(std::move(problem));
        }
        if (got == 0) {
            return finished(std::move(reading.read));
        }
        filled -= end;
        std::memmove(buffer.data(), buffer.data() + end, filled);
    }
}

}  // namespace

// The bytes copied once, then read as a file's own.
MeasuredPoints decodeMeasuredPoints(QByteArrayView bytes, MeasuredFormat format,
                                    CoordinateOrder order) {
    return decodeBytes(std::string(bytes.data(), static_cast<std::size_t>(bytes.size())), format,
                       order);
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
    if (*format == MeasuredFormat::Gsi) {
        MeasuredPoints points = readGsiFile(file);
        if (points.problem) {
            points.problem.file = subject;
        }
        return points;
    }
    // Read into room for a little more than the file: what the reader writes anew goes
    // after the file's own bytes. One byte more than the file is asked for, so that a file
    // that grew since it was opened is seen and read to its end.
    const qint64 expected = file.size();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(expected + expected / 8 + 64));
    bytes.resize(static_cast<std::size_t>(expected + 1));
    qint64 got = file.read(bytes.data(), expected + 1);
    if (got == expected + 1) {
        const QByteArray rest = file.read(kMaxMeasuredFileBytes + 1 - got);
        bytes.resize(static_cast<std::size_t>(got));
        bytes.append(rest.constData(), static_cast<std::size_t>(rest.size()));
        got = static_cast<qint64>(bytes.size());
    }
    if (got < 0 || file.error() != QFileDevice::NoError) {
        return refusal(
            fileProblem(ProblemCode::CannotRead, subject, file.errorString().toStdString()));
    }
    bytes.resize(static_cast<std::size_t>(got));
    if (measuredFileTooLarge(got)) {  // it grew while it was read
        return refusal(fileProblem(ProblemCode::MeasuredTooLarge, subject));
    }
    MeasuredPoints points = decodeBytes(std::move(bytes), *format, order);
    if (points.problem) {
        points.problem.file = subject;
    }
    return points;
}

namespace {

// A shot of a point read from a line.
SlopeShot shotOf(const FieldPoint& point) {
    return {std::string(point.name), std::string(point.x), std::string(point.y),
            std::string(point.h)};
}

// Every point of the bytes, in order: the lines as decodeBytes reads them.
MeasuredShots decodeShots(std::string_view bytes, MeasuredFormat format, CoordinateOrder order) {
    MeasuredShots read;
    if (bytes.find('\0') != std::string_view::npos) {
        read.problem = problemAbout(ProblemCode::MeasuredBinary);
        return read;
    }
    const std::string_view body = bytes.substr(bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0);
    const bool utf8 = isUtf8(QByteArrayView(body.data(), static_cast<qsizetype>(body.size())));
    const bool gbk = body.size() == bytes.size() && !utf8;
    std::array<std::string, 3> rewritten;
    GsiTexts texts;
    int number = 0;
    LineCursor lines = linesOf(body);
    while (const std::optional<std::string_view> line = nextLine(lines)) {
        std::optional<FieldPoint> point;
        std::string decoded;
        if (format == MeasuredFormat::Gsi) {
            GsiBlock block = readGsiBlock(*line, ++number, texts);
            if (block.problem) {
                return {{}, 0, std::move(block.problem)};
            }
            point = block.point;
            if (point && !isAscii(point->name)) {
                decoded = lineText(point->name, !isUtf8(QByteArrayView(point->name)));
                point->name = decoded;
            }
        } else {
            decoded = !utf8 && !isAscii(*line) ? lineText(*line, gbk) : std::string(*line);
            point = readDelimitedLine(decoded, format, order, rewritten);
        }
        if (!point || point->name.empty()) {
            ++read.linesPassedOver;
            continue;
        }
        read.shots.push_back(shotOf(*point));
    }
    if (read.shots.empty()) {
        return {{}, 0, problemAbout(ProblemCode::MeasuredNoPoints)};
    }
    return read;
}

}  // namespace

MeasuredShots decodeMeasuredShots(QByteArrayView bytes, MeasuredFormat format,
                                  CoordinateOrder order) {
    return decodeShots(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())),
                       format, order);
}

// The file's checks as readMeasuredFile makes them, then its bytes read whole.
MeasuredShots readMeasuredShots(const QString& path, CoordinateOrder order) {
    const std::string subject = QDir::toNativeSeparators(path).toStdString();
    const std::optional<MeasuredFormat> format = measuredFormatOf(path);
    MeasuredShots refused;
    if (!format) {
        refused.problem = fileProblem(ProblemCode::UnknownMeasuredEnding, subject);
        return refused;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        refused.problem = fileProblem(ProblemCode::NotRegularFile, subject);
        return refused;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refused.problem =
            fileProblem(ProblemCode::CannotRead, subject, file.errorString().toStdString());
        return refused;
    }
    const QByteArray bytes = file.read(kMaxMeasuredFileBytes + 1);
    if (measuredFileTooLarge(bytes.size())) {
        refused.problem = fileProblem(ProblemCode::MeasuredTooLarge, subject);
        return refused;
    }
    MeasuredShots shots = decodeMeasuredShots(bytes, *format, order);
    if (shots.problem) {
        shots.problem.file = subject;
    }
    return shots;
}

}  // namespace korvel
