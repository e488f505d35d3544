#include "visual/TTabSheetList.h"

TTabSheetList::TTabSheetItem *TTabSheetList::AddItem(const QString &name, TTabSheet98 *sheet, int value)
{
    m_items.push_back(std::make_unique<TTabSheetItem>(TTabSheetItem{name, sheet, value, {}}));
    return m_items.back().get();
}

TTabSheetList::TTabSheetItem *TTabSheetList::GetItem(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)].get() : nullptr;
}

TTabSheetList::TTabSheetItem *TTabSheetList::ItemByName(const QString &name) const
{
    for (const auto &item : m_items) {
        if (item->name.compare(name, Qt::CaseInsensitive) == 0)
            return item.get();
    }
    return nullptr;
}
