// file_writer_probe PATH TEXT: writes TEXT to PATH through the file writer,
// as whoever runs it. Exit 0 when written; 1 with the reason on standard
// error when not.

#include <FileWriter.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::string error;
    if (WriteFileSafely(argv[1], argv[2], error))
        return 0;
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
}
