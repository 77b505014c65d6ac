// Placeholder until the command-line driver lands.
int main() { return 0; }
