#pragma once
// Runs q7sim (the radio on a pseudo-terminal) as a child process for a test,
// and q7cli as a command whose exit code and error output are kept, or as a
// program beside the test that the test types into.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace q7::test {

inline std::filesystem::path binaryPath(const std::string& name) {
  return std::filesystem::path(Q7_BIN_DIR) / name;
}

// A child running one of the built programs with `arguments`, its output
// stream `childFd` (standard output or error) piped back to the test, and
// with `typed` its standard input piped from the test. Files the child writes
// cannot grow beyond `fileSizeLimit` bytes (a write past it fails as on a
// full disk).
struct Child {
  pid_t pid = -1;
  FILE* output = nullptr;
  FILE* input = nullptr;
};

enum class Input { Inherited, Typed };
// The output stream as a pipe, or as a terminal (a pty) where the program
// draws what it draws only on a terminal (the progress bar).
enum class Output { Pipe, Terminal };

// A pty whose master end the test reads: {master, -1}; the child opens the
// terminal by its name.
inline std::string openTerminal(int (&fds)[2]) {
  fds[0] = posix_openpt(O_RDWR | O_NOCTTY);
  if (fds[0] < 0 || grantpt(fds[0]) != 0 || unlockpt(fds[0]) != 0) throw std::runtime_error("pty");
  fds[1] = -1;
  return ptsname(fds[0]);
}

inline Child startChild(const std::string& name, const std::vector<std::string>& arguments,
                        int childFd, Input input = Input::Inherited, Output output = Output::Pipe,
                        rlim_t fileSizeLimit = RLIM_INFINITY) {
  int pipeFds[2];
  int inputFds[2] = {-1, -1};
  std::string terminal;
  if (output == Output::Terminal)
    terminal = openTerminal(pipeFds);
  else if (pipe(pipeFds) != 0)
    throw std::runtime_error("pipe");
  if (input == Input::Typed && pipe(inputFds) != 0) throw std::runtime_error("pipe");
  const pid_t pid = fork();
  if (pid == 0) {
    if (!terminal.empty()) pipeFds[1] = ::open(terminal.c_str(), O_RDWR | O_NOCTTY);
    dup2(pipeFds[1], childFd);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    if (input == Input::Typed) {
      dup2(inputFds[0], STDIN_FILENO);
      ::close(inputFds[0]);
      ::close(inputFds[1]);
    }
    if (fileSizeLimit != RLIM_INFINITY) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    const std::string program = binaryPath(name).string();
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (pipeFds[1] >= 0) ::close(pipeFds[1]);
  if (input == Input::Inherited) return {pid, fdopen(pipeFds[0], "r")};
  ::close(inputFds[0]);
  return {pid, fdopen(pipeFds[0], "r"), fdopen(inputFds[1], "w")};
}

class SimProcess {
 public:
  // Starts q7sim with `arguments`; returns once it has printed its device.
  explicit SimProcess(const std::vector<std::string>& arguments) {
    const Child child = startChild("q7sim", arguments, STDOUT_FILENO);
    pid_ = child.pid;
    FILE* stream = child.output;
    char line[256] = {};
    if (!stream || !fgets(line, sizeof line, stream))
      throw std::runtime_error("q7sim did not start");
    fclose(stream);
    device_ = line;
    while (!device_.empty() && (device_.back() == '\n' || device_.back() == '\r'))
      device_.pop_back();
  }
  ~SimProcess() { stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::string& device() const { return device_; }
  // Ends the simulator as Ctrl+C would (it then saves and writes its statistics).
  void stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  std::string device_;
};

struct CommandResult {
  int exitCode = -1;
  std::string errorOutput;
};

// Runs q7cli with `arguments` (each quoted), error output kept in `errorFile`.
inline CommandResult runCli(const std::string& arguments, const std::filesystem::path& errorFile) {
  const std::string command =
      "'" + binaryPath("q7cli").string() + "' " + arguments + " 2>'" + errorFile.string() + "'";
  const int status = std::system(command.c_str());
  std::stringstream text;
  text << std::ifstream(errorFile).rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

// q7cli running beside the test, its error output read line by line, so that
// the test can act when a line appears (press Ctrl+C or Enter, say).
class CliProcess {
 public:
  explicit CliProcess(const std::vector<std::string>& arguments, Output errors = Output::Pipe,
                      rlim_t fileSizeLimit = RLIM_INFINITY) {
    const Child child =
        startChild("q7cli", arguments, STDERR_FILENO, Input::Typed, errors, fileSizeLimit);
    pid_ = child.pid;
    errors_ = child.output;
    input_ = child.input;
  }
  ~CliProcess() {
    endInput();
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (errors_) fclose(errors_);
  }
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  // Reads error output up to a line holding `text`; false when it ended first.
  bool waitForLine(const std::string& text) {
    for (std::string line = nextLine(); !line.empty(); line = nextLine())
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
  void signal(int number) { kill(pid_, number); }
  // Types `text` into the program's standard input.
  void type(const std::string& text) {
    fputs(text.c_str(), input_);
    fflush(input_);
  }
  // The end of the input, as Ctrl+D at a terminal.
  void endInput() {
    if (input_) fclose(input_);
    input_ = nullptr;
  }
  // Waits for the end; the exit code, and the error output after what was read.
  CommandResult finish() {
    std::string rest;
    for (std::string line = nextLine(); !line.empty(); line = nextLine()) rest += line;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, rest};
  }

 private:
  std::string nextLine() {
    std::string line;
    for (int c = fgetc(errors_); c != EOF; c = fgetc(errors_)) {
      line += static_cast<char>(c);
      if (c == '\n') break;
    }
    return line;
  }

  pid_t pid_ = -1;
  FILE* errors_ = nullptr;
  FILE* input_ = nullptr;
};

}  // namespace q7::test
