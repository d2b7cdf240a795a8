#include "schedule_view_core.h"

#include "common/sjis_literal.h"
#include "views/common/choice_lists.h"

namespace views {

void ScheduleViewCore::setPlugins(const host::PluginHost *plugins)
{
    m_plugins = plugins;
    readModel();
}

void ScheduleViewCore::readModel()
{
    if (m_plugins)
        m_store.setOptionName(pluginOptionName(*m_plugins));
}

void ScheduleViewCore::refresh()
{
    readModel();
    m_store.Rebuild();
}

int ScheduleViewCore::mergeCardBlock(const void *first)
{
    readModel();
    const int added = m_store.AddRecords(first, false, true, true);
    m_store.Sort();
    return added;
}

int ScheduleViewCore::loadPcImage(const void *image, size_t size, uint32_t pluginCode)
{
    readModel();
    return m_store.LoadPcBlock(image, size, pluginCode);
}

std::vector<ListColumn> ScheduleViewCore::columns() const
{
    return {{sjis("開始時間"), 160}, {sjis("終了時間"), 160}, {sjis("繰り返し"), 80},
            {sjis("曜日指定"), 160}, {sjis("内容"), 200},     {sjis("ｱﾗｰﾑ時間"), 100},
            {sjis("ｱｲｺﾝ"), 60}};
}

} // namespace views
