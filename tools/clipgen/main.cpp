// Writes the game's 25 sound clips, RESOURCE_ID_<number>.wav, into the folder given.
#include "clipsynth.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: clipgen <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (const auto &format : melvane::clipsynth::clipFormats()) {
            const auto bytes = melvane::clipsynth::renderClip(format);
            if (bytes.size() != format.fileBytes)
                throw std::runtime_error("clip " + std::to_string(format.number) + " came out at the wrong size");
            const auto path = folder / ("RESOURCE_ID_" + std::to_string(format.number) + ".wav");
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!out)
                throw std::runtime_error("cannot write " + path.string());
        }
    } catch (const std::exception &error) {
        std::cerr << "clipgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
