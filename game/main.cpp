// Program entry.
int main() { return 0; }
