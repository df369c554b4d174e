// qt back end
