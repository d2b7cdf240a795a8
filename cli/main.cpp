#include "app/qt_settings_store.h"
#include "cli/cli_commands.h"
#include "platform/directory_walk.h"

#include <iostream>

int main(int argc, char *argv[])
{
    const app::QtSettingsStore settings;
    const cli::CliEnvironment environment{platform::executableDirectory(), settings, std::cout,
                                          std::cerr};
    return cli::runCli(std::vector<std::string>(argv + 1, argv + argc), environment);
}
