export function writeServiceWorker(dist: string): Promise<string>;
