export function catalogueKey(context: string, source: string): string;
