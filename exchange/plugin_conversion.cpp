#include "plugin_conversion.h"

#include "host/plugin_host.h"
#include "views/common/pc_file_image.h"

#include <cstring>

namespace exchange {

PluginConversion convertForPlugin(host::PluginHost &plugins, const unsigned char *image,
                                  size_t size, int targetIndex)
{
    PluginConversion result;
    views::PcFileHeader header{};
    if (size < sizeof header || views::pcImageKind(image, size) == 0) {
        result.error = PluginConversionError::Damaged;
        return result;
    }
    std::memcpy(&header, image, sizeof header);
    const int sourceIndex = header.pluginCode == 0 ? plugins.currentIndex()
                                                   : plugins.indexOfPluginCode(header.pluginCode);
    const std::optional<ModelTables> target = readModelTables(plugins, targetIndex);
    if (target)
        result.targetModel = target->name;
    if (target && sourceIndex == targetIndex) {
        result.error = PluginConversionError::SameModel;
        return result;
    }
    const std::optional<ModelTables> source
        = sourceIndex >= 0 ? readModelTables(plugins, sourceIndex) : std::nullopt;
    if (!source || !target) {
        result.error = PluginConversionError::UnknownModel;
        return result;
    }
    result.conversion = convertPcImage(image, size, *source, *target);
    if (!result.conversion.converted)
        result.error = PluginConversionError::Damaged;
    return result;
}

} // namespace exchange
