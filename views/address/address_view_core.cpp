#include "address_view_core.h"

#include "common/sjis_literal.h"
#include "views/address/address_edit_rules.h"
#include "views/common/choice_lists.h"

namespace views {

AddressViewCore::AddressViewCore()
    : ViewCore(2, m_store)
{
}

void AddressViewCore::setModelTables(const host::KindLimitCache *limits,
                                     const host::PluginHost *plugins)
{
    m_limits = limits;
    m_plugins = plugins;
    readModel();
}

void AddressViewCore::readModel()
{
    if (m_limits) {
        const AddressLimits table = readAddressLimits(*m_limits);
        m_store.setLimits(
            {table.capacity, table.numbersBelowCapacity != 0, table.ownerRequired != 0});
    }
    if (m_plugins)
        m_store.setOptionName(pluginOptionName(*m_plugins));
}

void AddressViewCore::refresh()
{
    readModel();
    m_store.RefreshAllRows();
}

int AddressViewCore::mergeCardBlock(const void *first)
{
    readModel();
    const int added = m_store.MergeRecords(first, false, true, true);
    m_store.RefreshGroupColumn();
    return added;
}

std::vector<unsigned char> AddressViewCore::buildPcImage(uint32_t pluginCode) const
{
    return m_store.BuildPcBlock(pluginCode);
}

int AddressViewCore::loadPcImage(const void *image, size_t size, uint32_t pluginCode)
{
    readModel();
    return m_store.LoadPcBlock(image, size, pluginCode);
}

std::vector<ListColumn> AddressViewCore::columns() const
{
    return {{sjis("番号"), 40},      {sjis("名前"), 100},    {sjis("ﾌﾘｶﾞﾅ"), 80},
            {sjis("電話番号"), 100}, {sjis("電話ｱｲｺﾝ"), 70}, {sjis("電子ﾒｰﾙ"), 180},
            {sjis("ﾒｰﾙｱｲｺﾝ"), 70},   {sjis("ｸﾞﾙｰﾌﾟ"), 50},   {sjis("郵便番号"), 70},
            {sjis("住所"), 40},      {sjis("ﾒﾓ"), 30}};
}

} // namespace views
