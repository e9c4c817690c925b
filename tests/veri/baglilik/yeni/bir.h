// a folder made without a place in the layers
int bir();
