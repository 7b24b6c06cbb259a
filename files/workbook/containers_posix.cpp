// The workbook containers on Linux and other free systems, through libgsf.
#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

#include <QFile>

#include "files/workbook/containers.h"

namespace korvel {

// libgsf builds the compound file in memory; the caller writes it to disk.
WorkbookFile compoundFileWithWorkbook(const QByteArray& stream) {
    WorkbookFile file;
    GsfOutput* sink = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(sink);
    GsfOutput* child = ole ? gsf_outfile_new_child(ole, "Workbook", FALSE) : nullptr;
    bool ok =
        child != nullptr && gsf_output_write(child, static_cast<size_t>(stream.size()),
                                             reinterpret_cast<const guint8*>(stream.constData()));
    if (child) {
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
    }
    if (ole) {
        ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
        g_object_unref(ole);
    }
    if (ok) {
        file.bytes = QByteArray(
            reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink))),
            static_cast<qsizetype>(gsf_output_size(sink)));
    } else {
        const GError* err = gsf_output_error(sink);
        file.error = err ? QString::fromUtf8(err->message)
                         : QStringLiteral("The workbook could not be built");
    }
    if (!gsf_output_is_closed(sink)) {  // closing the compound file closes its sink
        gsf_output_close(sink);
    }
    g_object_unref(sink);
    return file;
}

// Walks the entry's path one folder at a time, as libgsf stores a zip's tree.
std::optional<QByteArray> zipEntry(const QString& zipPath, const char* entryPath) {
    GsfInput* source = gsf_input_stdio_new(QFile::encodeName(zipPath).constData(), nullptr);
    if (source == nullptr) {
        return std::nullopt;
    }
    GsfInfile* zip = gsf_infile_zip_new(source, nullptr);
    g_object_unref(source);
    if (zip == nullptr) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    GsfInput* node = GSF_INPUT(g_object_ref(zip));
    for (const QByteArray& part : QByteArray(entryPath).split('/')) {
        GsfInput* next = GSF_IS_INFILE(node)
                             ? gsf_infile_child_by_name(GSF_INFILE(node), part.constData())
                             : nullptr;
        g_object_unref(node);
        node = next;
        if (node == nullptr) {
            break;
        }
    }
    if (node != nullptr) {
        const gsf_off_t size = gsf_input_size(node);
        const guint8* data = gsf_input_read(node, static_cast<size_t>(size), nullptr);
        if (data != nullptr || size == 0) {
            bytes = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
        }
        g_object_unref(node);
    }
    g_object_unref(zip);
    return bytes;
}

}  // namespace korvel
