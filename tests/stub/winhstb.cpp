// Stands in for the winhlp32.exe of Windows Vista and later, which only says
// that the help engine is missing: the same version resource, nothing else.
int main() { return 0; }
