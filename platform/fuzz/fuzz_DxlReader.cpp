#include "platform/dxl/DxlReader.h"
#include "platform/dxl/NotesDocument.h"

#include "base/Errors.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

// Every document read is turned into the model the mail client uses, MIME body included.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        Domino::Internal::DxlReader reader(&buffer, QStringLiteral("fuzz"));
        while (std::optional<Domino::Internal::DxlDocument> doc = reader.next()) {
            Domino::NotesDocument document(std::move(*doc), false);
            for (const Domino::NotesItem *item : document.Items()) {
                (void)item->Text();
                if (auto entity = item->GetMIMEEntity()) {
                    entity->DecodeContent();
                    (void)entity->ContentAsText();
                    for (auto child = entity->GetFirstChildEntity(); child; child = child->GetNextSibling())
                        (void)child->ContentAsText();
                }
            }
        }
    } catch (const EOrvError &) {
    }
    return 0;
}
