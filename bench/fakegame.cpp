// A stand-in for hl.exe in the benchmark. When VANTOR_BENCH_FIFO names a FIFO, it writes one byte there, which tells
// the benchmark that the game's process is running; either way it ends at once.
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

int main()
{
    const char *fifo = std::getenv("VANTOR_BENCH_FIFO");
    if (!fifo || !*fifo)
        return 0;
    // Non-blocking, so a FIFO whose reader is gone fails the open instead of hanging the stand-in.
    const int fd = open(fifo, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 1;
    const char started = 'g';
    const bool written = write(fd, &started, 1) == 1;
    close(fd);
    return written ? 0 : 1;
}
