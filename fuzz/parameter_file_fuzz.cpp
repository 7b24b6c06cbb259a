// The parameter-file reader on arbitrary bytes, and plain ASCII texts written by the writer
// read back unchanged.
#include <QByteArray>
#include <cstdint>

#include "files/parameter_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    korvel::decodeParameterFile(bytes);  // arbitrary bytes: the sanitizers watch

    // The same bytes as eight printable ASCII texts: the writer and the reader agree.
    korvel::ParameterTexts ascii;
    for (std::size_t k = 0; k < size; ++k) {
        ascii[k % 8] += QLatin1Char(static_cast<char>(0x20 + data[k] % 0x5f));
    }
    const QByteArray file = korvel::encodeParameterFile(ascii);
    FUZZ_CHECK(file.endsWith("\r\n") && file.count("\r\n") == 8, "eight CR LF lines");
    FUZZ_CHECK(korvel::decodeParameterFile(file) == ascii, "ASCII texts read back unchanged");
    return 0;
}
