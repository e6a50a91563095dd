# 32-bit x86 Linux build with clang -m32, on a 64-bit Debian host with
# lib32stdc++-12-dev and libc6-dev-i386. The kernel's headers for 64 bits
# serve 32 bits as well (asm/ picks the word size itself), and come last
# so that they stand in only for what the 32-bit packages leave out.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_FLAGS_INIT "-m32 -idirafter /usr/include/x86_64-linux-gnu")
set(CMAKE_CXX_FLAGS_INIT "-m32 -idirafter /usr/include/x86_64-linux-gnu")
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
