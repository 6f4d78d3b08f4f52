// quintaval-convert: converts a CSV file of scores with the converter
// window's Calculate command. Everything but the standard streams lives in
// the quintaval_batch library, which the tests drive directly.
#include <string>
#include <unistd.h>
#include <vector>

#include "batch/convert_command.h"

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return batch::ConvertCommand(STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO).run(arguments);
}
