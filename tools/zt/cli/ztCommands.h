// The commands of the zt tool; each takes the whole command line (argv[1] is its name) and
// returns the exit status.
#ifndef TOOLS_ZT_CLI_ZTCOMMANDS_H_
#define TOOLS_ZT_CLI_ZTCOMMANDS_H_

int ztBuildCommand(int argc, char** argv);
int ztImportCommand(int argc, char** argv);
int ztLookupCommand(int argc, char** argv);
int ztSearchCommand(int argc, char** argv);
int ztShowCommand(int argc, char** argv);
int ztInfoCommand(int argc, char** argv);
int ztSpellCommand(int argc, char** argv);
int ztReadCommand(int argc, char** argv);

#endif  // TOOLS_ZT_CLI_ZTCOMMANDS_H_
