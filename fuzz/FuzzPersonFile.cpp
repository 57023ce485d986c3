// Arbitrary bytes of any length as personen.dat: loading them and then using
// every slot (its line, its day count) must stay inside the table and never
// touch undefined behaviour.

#include "register/PersonRegister.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                              ("cyclo-fuzz-" + std::to_string(getpid()) + ".dat");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    cyclo::PersonRegister reg(file);
    reg.StartupFill();
    if (reg.PersonCount() < 0 || reg.PersonCount() > cyclo::kMaxPersons)
        __builtin_trap();
    std::size_t total = 0;
    for (int slot = 1; slot <= cyclo::kMaxPersons; ++slot) {
        total += reg.PersonText(slot).size();
        const cyclo::TYmd birth = reg.Persons(slot).BirthDate();
        total += static_cast<std::size_t>(cyclo::DayNumber(birth) - cyclo::DayNumber({2000, 1, 1}));
        total += cyclo::MonthNames(birth.Month).size();
    }
    // The image written back is always the full, fixed size.
    if (reg.FileImage().size() != cyclo::kPersonFileSize)
        __builtin_trap();
    return total == 0xFFFFFFFF ? 1 : 0;
}
