#pragma once

#include "visual/VisualGlobal.h"

#include <memory>
#include <vector>

class TTabSheet98;

// Pages found by name: an owning list of entries (name, page, value, text). The pages
// themselves belong to their page control, not to the list.
class ORV_VISUAL_EXPORT TTabSheetList
{
public:
    struct TTabSheetItem
    {
        QString name;
        TTabSheet98 *sheet = nullptr;
        int value = 0;
        QString text;
    };

    TTabSheetItem *AddItem(const QString &name, TTabSheet98 *sheet, int value);
    TTabSheetItem *GetItem(int index) const;
    // The first entry whose name equals `name` ignoring case, or nullptr.
    TTabSheetItem *ItemByName(const QString &name) const;
    int count() const { return int(m_items.size()); }

private:
    std::vector<std::unique_ptr<TTabSheetItem>> m_items;
};
